#include "logic/table_copy.h"

#include <initializer_list>
#include <string_view>

namespace korvanta {

namespace {

const char* UnitSign(LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? "mm" : "in";
}

// One cell of a tab-separated line: a CR LF pair is one line break, so it becomes one space.
std::string OneLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n') {
            continue;
        }
        line += (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
    }
    return line;
}

std::string Escaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t at = 0; at < text.size(); ++at) {
        switch (text[at]) {
        case '&':
            escaped += "&amp;";
            break;
        case '<':
            escaped += "&lt;";
            break;
        case '>':
            escaped += "&gt;";
            break;
        case '"':
            escaped += "&quot;";
            break;
        case '\'':
            escaped += "&#39;";
            break;
        case '\r':
            if (at + 1 < text.size() && text[at + 1] == '\n') {
                break;
            }
            escaped += "<br>";
            break;
        case '\n':
            escaped += "<br>";
            break;
        default:
            escaped += text[at];
        }
    }
    return escaped;
}

void AddHtmlRow(std::string& html, const char* cellTag, std::initializer_list<std::string_view> cells) {
    html += "<tr>";
    for (std::string_view cell : cells) {
        html += '<';
        html += cellTag;
        html += '>';
        html += Escaped(cell);
        html += "</";
        html += cellTag;
        html += '>';
    }
    html += "</tr>\n";
}

} // namespace

TableCells CellsOf(const OutputTable& table, LengthUnit unit) {
    TableCells cells{unit, table.columns, {}};
    cells.rows.reserve(table.rows.size());
    for (const OutputCell& row : table.rows) {
        cells.rows.push_back({row.caption, row.pinion, row.gear});
    }
    return cells;
}

TableCells CellsOf(const MeasurementForm& form) {
    TableCells cells{form.Unit(), form.Columns(), {}};
    for (const MeasurementRow& row : form.Rows()) {
        cells.rows.push_back({row.caption, row.pinion, row.gear});
    }
    return cells;
}

std::vector<std::array<std::string, 2>> HeadLines(const JobData& job, LengthUnit unit) {
    const std::array<const std::string*, 6> texts = {&job.pinionPart, &job.gearPart,  &job.drawing,
                                                     &job.revision,   &job.inspector, &job.note};
    std::vector<std::array<std::string, 2>> lines;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        if (!texts[index]->empty()) {
            lines.push_back({kJobLabels[index], *texts[index]});
        }
    }
    lines.push_back({"Units", UnitSign(unit)});
    return lines;
}

std::string TableCopyText(const JobData& job, const TableCells& cells) {
    std::string text;
    for (const auto& [label, value] : HeadLines(job, cells.unit)) {
        text += label + '\t' + OneLine(value) + '\n';
    }
    text += '\t' + OneLine(cells.columns[0]) + '\t' + OneLine(cells.columns[1]) + '\n';
    for (const auto& [caption, pinion, gear] : cells.rows) {
        text += OneLine(caption) + '\t' + OneLine(pinion) + '\t' + OneLine(gear) + '\n';
    }
    return text;
}

std::string TableCopyHtml(const JobData& job, const TableCells& cells) {
    std::string html = "<table>\n";
    for (const auto& [label, value] : HeadLines(job, cells.unit)) {
        AddHtmlRow(html, "td", {label, value});
    }
    AddHtmlRow(html, "th", {"", cells.columns[0], cells.columns[1]});
    for (const auto& [caption, pinion, gear] : cells.rows) {
        AddHtmlRow(html, "td", {caption, pinion, gear});
    }
    html += "</table>\n";
    return html;
}

Message ChangedEntriesRefusal() {
    return {"The table was not saved: the entries have changed since this pair was measured. Press "
            "Calculate to measure the pair now entered, then save its table.",
            std::string(kMessageTitle), MessageIcon::Exclamation};
}

} // namespace korvanta
