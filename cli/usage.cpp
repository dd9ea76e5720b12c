#include "cli/usage.h"

namespace korvanta::cli {

std::string_view UsageText() {
    return R"(Usage: korvanta-calc [--type external|internal] [--nt1 N] [--nt2 N] [--dp X | --module X]
                     [--pa X] [--ha X] [--od1 X] [--od2 X] [--cd X] [--at D]...
                     [--member pinion|gear]
                     [--measure [--pin1 D] [--pin2 D] [--span1 K] [--span2 K]] [--json | --csv]
       korvanta-calc [pair options] [--pin1 D] [--pin2 D] [--span1 K] [--span2 K] --write-pair FILE
       korvanta-calc --pair FILE [--measure] [--json | --csv]
       korvanta-calc --batch FILE [--measure] [--json]
       korvanta-calc --help | --version

Calculates the inspection data of one gear pair, as the Korvanta output window shows them.
Each given value is typed into its input field in the order above and the field is left;
then Calculate is pressed.

  --type external|internal  kind of pair (default: external)
  --nt1 N, --nt2 N          number of teeth of the pinion and of the gear (digits only)
  --dp X                    normal diametral pitch (an inch pair)
  --module X                normal module instead: a metric pair, whose --od1, --od2, --cd,
                            --at, --pin1 and --pin2 are in millimetres, as are its results
  --pa X                    normal pressure angle in degrees (default: 20)
  --ha X                    helix angle in degrees (default: 0, spur gears)
  --od1 X, --od2 X          outside diameters; --od2 of an internal gear is its inside diameter
                            (default: the input window's estimates)
  --cd X                    center distance (default: the input window's estimate)
  --at D                    pressure and roll angle at diameter D; may be repeated
  --member pinion|gear      member of the --at diameters (default: the pinion of an external
                            pair, the gear of an internal pair)
  --measure                 add the inspection measurements: contact ratio, interference,
                            tooth thickness, over pins or balls (the internal gear: between
                            pins), span, and where pins and anvils touch the flank
  --pin1 D, --pin2 D        pin or ball diameter for the pinion and the gear (default: the
                            one touching the flank on d + 2x/DP); with --measure only
  --span1 K, --span2 K      teeth spanned on the pinion and the gear, 1 to N-1 (default: the
                            nearest whole number, a tie rounded up, to the span touching on
                            d + 2x/DP; the internal gear has no span); with --measure only
  --json                    print one JSON object instead of the table
  --csv                     print the pair as a batch prints it: the CSV header and line 1
  --class A, --face-width B add the ISO 1328-1:2013 tolerances of accuracy class A (1 to 11)
                            for a face width B to the JSON; with --json only (a batch takes
                            the columns class and face_width instead)
  --pair FILE               calculate the pair of a pair file (.korvanta) as the windows do
  --write-pair FILE         write the pair file of the pair the options give; nothing else
  --batch FILE              calculate every pair of a CSV file (- reads standard input)
  -h, --help                show this help
  --version                 show the version

X and D take digits and decimal points only, K digits only.

Exit status: 0 the table was produced, 1 the entries were rejected (also teeth spanned that
do not fit the pair), 2 usage error, 3 the pair cannot be calculated, 4 input or output failure
(a file that could not be read, results that could not be written; the reason on standard error).

Batch: the first row of FILE names any of the columns type,nt1,nt2,dp,module,pa,ha,od1,od2,cd
and id; an empty cell is a value not given, an id is copied unchanged into its output record.
Every row is calculated as by a fresh start of the command with those options. The output
is CSV (line, id if given, status, type, the two cells of each table row, warnings, message)
or, with --json, one JSON object per line carrying "line" (and "id"). With --measure the file
may also name pin1,pin2,span1,span2, and the CSV adds contact_ratio, interference and the two
cells of each measurement before warnings. Columns class and face_width (together) give a row
the tolerances of --class and --face-width, in the JSON and as CSV cells after the measurements.
A file with a module column may mix inch and metric
rows: the CSV adds a units column (in, mm) after type and module columns beside the dp ones,
and every JSON object carries "units"; a row with both dp and module is invalid.
Status of a row: ok, rejected, fault, invalid (a cell the field would refuse) or malformed.
Exit status of a batch: 0 every row produced a table, 1 any row did not, 2 usage error
(the file cannot be opened, no header row), 4 input or output failure.
Messages quote a value or cell with its control characters other than tab as escapes such as \x1B.

Example:
  korvanta-calc --nt1 20 --nt2 40 --dp 10 --od1 2.2 --od2 4.2 --cd 3 --at 2
  korvanta-calc --nt1 32 --nt2 40 --dp 4 --od1 8.5 --od2 10.5 --cd 9 --measure --pin1 0.432
  korvanta-calc --module 3 --nt1 12 --nt2 24 --od1 44.84 --od2 79.40 --cd 56.5
  printf 'nt1,nt2,dp\n20,40,10\n18,54,8\n' | korvanta-calc --batch -
)";
}

} // namespace korvanta::cli
