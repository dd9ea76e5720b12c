#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/message.h"
#include "core/pair_solution.h"

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
const OutputTable& NewTableOf(PairKind kind);

// The texts of the solved pair in the window's order. After an arithmetic fault the cells of the
// stages before it are filled, the later cells keep their previous text and `fault` is set.
void FillTable(const PairSolution& solution, OutputTable& table);

// The fresh table of the solution's kind filled from it, in `table`, whatever it held: a complete
// solution overwrites every cell and every caption a fill sets, so the fresh texts are copied only
// when they are needed (the columns and captions when the table held the other kind or none).
void FillFreshTable(const PairSolution& solution, OutputTable& table);

} // namespace korvanta
