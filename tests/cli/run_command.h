#pragma once

#include <string>
#include <vector>

// What one run of korvanta-calc printed and returned.
struct CommandRun {
    std::string out;
    std::string err;
    int status = -1; // exit status, or -1 when the program did not exit normally
};

// Runs korvanta-calc with the arguments (no shell involved), the text as its standard input.
CommandRun RunCalc(const std::vector<std::string>& arguments, const std::string& input = "");
