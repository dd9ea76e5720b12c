#pragma once

#include <map>
#include <string>
#include <vector>

// Reading what korvanta-calc wrote, for the tests that compare it.

std::vector<std::string> Lines(const std::string& text);

// The cells of one CSV output line (quoted cells of the output hold no line break in these tests).
std::vector<std::string> Cells(const std::string& line);

// CSV output rows by column name.
std::vector<std::map<std::string, std::string>> Table(const std::string& out);

// The single-pair command's JSON object on one line, as a batch row writes it (without "line").
std::string OneLine(const std::string& json);
