#include "cli/table_writer.h"

#include <algorithm>

#include "logic/measurement_rows.h"

namespace korvanta::cli {

namespace {

// Width on a terminal: UTF-8 continuation bytes (of the degree sign) take no column.
std::size_t Columns(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
    return text + std::string(width - std::min(width, Columns(text)), ' ');
}

// A message box breaks its line at a carriage return.
std::string Indented(const std::string& text, const std::string& indent) {
    std::string lines = indent;
    for (char c : text) {
        lines += c == '\r' ? "\n" + indent : std::string(1, c);
    }
    return lines + "\n";
}

// Widths of the caption and pinion columns: the longest text and three blanks.
struct GridWidths {
    std::size_t caption = 0;
    std::size_t pinion = 0;
};

GridWidths WidthsOf(const std::array<std::string, 2>& columns, const std::vector<const OutputCell*>& shown) {
    GridWidths widths{0, Columns(columns[0])};
    for (const OutputCell* cell : shown) {
        widths.caption = std::max(widths.caption, Columns(cell->caption));
        widths.pinion = std::max(widths.pinion, Columns(cell->pinion));
    }
    return {widths.caption + 3, widths.pinion + 3};
}

// The cells under the column headings.
std::string Grid(const std::array<std::string, 2>& columns, const std::vector<const OutputCell*>& shown,
                 const GridWidths& widths) {
    if (shown.empty()) {
        return "";
    }
    std::string text = Padded("", widths.caption) + Padded(columns[0], widths.pinion) + columns[1] + "\n";
    for (const OutputCell* cell : shown) {
        text +=
            Padded(cell->caption, widths.caption) + Padded(cell->pinion, widths.pinion) + cell->gear + "\n";
    }
    return text;
}

// The rows of the table (after a fault, those filled before it).
std::vector<const OutputCell*> ShownRows(const OutputTable& table) {
    std::vector<const OutputCell*> shown;
    for (const OutputCell& cell : table.rows) {
        if (!table.fault || !cell.pinion.empty() || !cell.gear.empty()) {
            shown.push_back(&cell);
        }
    }
    return shown;
}

std::string Rows(const OutputTable& table) {
    const std::vector<const OutputCell*> shown = ShownRows(table);
    return Grid(table.columns, shown, WidthsOf(table.columns, shown));
}

// The measurements under the table's column headings, aligned with the table's columns; the contact
// ratio, a value of the pair, in both columns as the table shows the center distance.
std::string Measurements(const PairRunResult& result) {
    const PairMeasurementTexts& measured = result.measurements->texts;
    const auto& [pinion, gear] = measured.members;
    std::vector<OutputCell> cells{
        {std::string(kContactRatioCaption), measured.contactRatio, measured.contactRatio},
        {std::string(kInterferenceCaption), pinion.interference, gear.interference},
    };
    const bool internal = result.type == PairKind::Internal;
    for (const MeasurementKey& key : kMeasurementKeys) {
        const std::string_view caption =
            internal && !key.internalCaption.empty() ? key.internalCaption : key.caption;
        cells.push_back({std::string(caption), pinion.*key.text, gear.*key.text});
    }
    std::vector<const OutputCell*> shown = ShownRows(result.table);
    const std::size_t tableRows = shown.size();
    for (const OutputCell& cell : cells) {
        shown.push_back(&cell);
    }
    const GridWidths widths = WidthsOf(result.table.columns, shown);
    shown.erase(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(tableRows));
    return "\nInspection Measurements\n\n" + Grid(result.table.columns, shown, widths);
}

std::string Angles(const std::vector<AngleEntry>& angles) {
    std::string text;
    for (const AngleEntry& entry : angles) {
        text +=
            std::string(entry.member == Member::Gear ? "Gear" : "Pinion") + " at '" + entry.diameter + "':\n";
        if (entry.error) {
            text += Indented(*entry.error, "  ");
        } else {
            text += Indented(entry.pressure, "  ") + Indented(entry.roll, "  ");
        }
    }
    return text;
}

} // namespace

std::string ResultTable(const PairRunResult& result) {
    std::string text = result.table.title + "\n\n" + Rows(result.table);
    if (result.measurements) {
        text += Measurements(result);
    }
    if (!result.warnings.empty()) {
        text += "\nWarnings:\n";
        for (const std::string& warning : result.warnings) {
            text += Indented(warning, "  ");
        }
    }
    if (!result.angles.empty()) {
        text += "\nAngles:\n" + Angles(result.angles);
    }
    return text;
}

} // namespace korvanta::cli
