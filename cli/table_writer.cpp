#include "cli/table_writer.h"

#include <algorithm>

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

std::string Rows(const OutputTable& table) {
    std::vector<const OutputCell*> shown;
    for (const OutputCell& cell : table.rows) {
        if (!table.fault || !cell.pinion.empty() || !cell.gear.empty()) {
            shown.push_back(&cell);
        }
    }
    if (shown.empty()) {
        return "";
    }
    std::size_t captionWidth = 0;
    std::size_t pinionWidth = Columns(table.columns[0]);
    for (const OutputCell* cell : shown) {
        captionWidth = std::max(captionWidth, Columns(cell->caption));
        pinionWidth = std::max(pinionWidth, Columns(cell->pinion));
    }
    captionWidth += 3;
    pinionWidth += 3;
    std::string text =
        Padded("", captionWidth) + Padded(table.columns[0], pinionWidth) + table.columns[1] + "\n";
    for (const OutputCell* cell : shown) {
        text += Padded(cell->caption, captionWidth) + Padded(cell->pinion, pinionWidth) + cell->gear + "\n";
    }
    return text;
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
