#include "cli/usage.h"

namespace korvanta::cli {

std::string_view UsageText() {
    return R"(Usage: korvanta-calc [--type external|internal] [--nt1 N] [--nt2 N] [--dp X] [--pa X] [--ha X]
                     [--od1 X] [--od2 X] [--cd X] [--at D]... [--member pinion|gear] [--json]

Calculates the inspection data of one gear pair, as the Korvanta output window shows them.
Each given value is typed into its input field in the order above and the field is left;
then Calculate is pressed.

  --type external|internal  kind of pair (default: external)
  --nt1 N, --nt2 N          number of teeth of the pinion and of the gear (digits only)
  --dp X                    normal diametral pitch
  --pa X                    normal pressure angle in degrees (default: 20)
  --ha X                    helix angle in degrees (default: 0, spur gears)
  --od1 X, --od2 X          outside diameters; --od2 of an internal gear is its inside diameter
                            (default: the input window's estimates)
  --cd X                    center distance (default: the input window's estimate)
  --at D                    pressure and roll angle at diameter D; may be repeated
  --member pinion|gear      member of the --at diameters (default: the pinion of an external
                            pair, the gear of an internal pair)
  --json                    print one JSON object instead of the table
  -h, --help                show this help

X and D take digits and decimal points only.

Exit status: 0 the table was produced, 1 the entries were rejected, 2 usage error,
3 the pair cannot be calculated.

Example:
  korvanta-calc --nt1 20 --nt2 40 --dp 10 --od1 2.2 --od2 4.2 --cd 3 --at 2
)";
}

} // namespace korvanta::cli
