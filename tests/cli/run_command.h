#pragma once

#include <functional>
#include <string>
#include <vector>

// What one run of korvanta-calc printed and returned.
struct CommandRun {
    std::string out;
    std::string err;
    int status = -1; // exit status, or -1 when the program did not exit normally
};

// Runs in the child just before korvanta-calc starts, to change its standard streams or limits.
using ChildSetup = std::function<void()>;

// Runs korvanta-calc with the arguments (no shell involved), the text as its standard input. A run that
// prints nothing for ten seconds without ending is killed.
CommandRun RunCalc(const std::vector<std::string>& arguments, const std::string& input = "",
                   const ChildSetup& setup = {});
