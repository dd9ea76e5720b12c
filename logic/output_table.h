#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/message.h"

namespace korvanta {

// Rows of the output windows, top to bottom.
enum class OutputRow {
    Teeth,
    DiametralPitch,
    TransverseDiametralPitch,
    PressureAngle,
    TransversePressureAngle,
    OperatingPressureAngle,
    HelixAngle,
    BaseDiameter,
    PitchDiameter,
    OutsideDiameter,
    CenterDistance,
    ModificationCoefficient,
    SAPDiameter,
    TIFDiameter,
    ProfileOverlap,
    RollTIF,
    RollSAP,
    RollPitch,
    RollOutside,
};
inline constexpr int kOutputRowCount = 19;

struct OutputCell {
    std::string caption;
    std::string pinion;
    std::string gear;
};

struct CalculationFault {
    std::string step; // the stage that met the fault
    Message message;  // stop icon, title "Korvanta"
};

// What an output window shows: captions and cells in row order, the column headings, the warnings
// that follow the values, and a fault that stopped the calculation part way.
struct OutputTable {
    std::string title = "Korvanta Output Data"; // with " (mm)" for a metric pair
    std::array<std::string, 2> columns;
    std::array<OutputCell, kOutputRowCount> rows;
    std::vector<Message> warnings;
    std::optional<CalculationFault> fault;

    OutputCell& operator[](OutputRow row) { return rows[static_cast<int>(row)]; }
    const OutputCell& operator[](OutputRow row) const { return rows[static_cast<int>(row)]; }
};

// A fresh table with the stored captions of the external (FormSAP) or internal (FormSAP2) window, built
// once; a window or a run fills its own copy.
const OutputTable& NewExternalTable();
const OutputTable& NewInternalTable();

// One activation of the output window: runs the pair calculation on the state and fills `table` in
// the window's order. On an arithmetic fault the cells filled before it are kept, the later cells
// keep their previous text, `fault` is set and the state is back in its entered orientation.
void FillExternalTable(GearPairState& state, OutputTable& table);
void FillInternalTable(GearPairState& state, OutputTable& table);

} // namespace korvanta
