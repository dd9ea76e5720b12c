#include "output_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            cells.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            cells.emplace_back();
        } else {
            cells.back() += c;
        }
    }
    return cells;
}

std::vector<std::map<std::string, std::string>> Table(const std::string& out) {
    const std::vector<std::string> lines = Lines(out);
    std::vector<std::map<std::string, std::string>> rows;
    if (lines.empty()) {
        return rows;
    }
    const std::vector<std::string> names = Cells(lines[0]);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::vector<std::string> cells = Cells(lines[i]);
        EXPECT_EQ(cells.size(), names.size()) << lines[i];
        std::map<std::string, std::string>& row = rows.emplace_back();
        for (std::size_t j = 0; j < std::min(cells.size(), names.size()); ++j) {
            row[names[j]] = cells[j];
        }
    }
    return rows;
}

std::string OneLine(const std::string& json) {
    std::string text;
    for (std::size_t i = 0; i < json.size(); ++i) {
        if (json[i] != '\n') {
            text += json[i];
            continue;
        }
        while (i + 1 < json.size() && json[i + 1] == ' ') {
            ++i;
        }
        if (i + 1 < json.size()) {
            text += ' ';
        }
    }
    return text;
}
