#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "../logic/property_pair_generator.h"
#include "../logic/property_texts.h"
#include "run_command.h"

namespace {

constexpr std::uint32_t kSeed = 7331;
constexpr int kRuns = 300;
constexpr int kFailuresShown = 10;

constexpr std::array<const char*, 8> kOptions = {"--nt1", "--nt2", "--dp",  "--pa",
                                                 "--ha",  "--od1", "--od2", "--cd"};

std::vector<std::string> ArgumentsOf(const RandomPair& pair, int run) {
    std::vector<std::string> arguments;
    if (!pair.external) {
        arguments = {"--type", "internal"};
    }
    for (std::size_t i = 0; i < kOptions.size(); ++i) {
        if (pair.fields[i]) {
            arguments.insert(arguments.end(), {kOptions[i], *pair.fields[i]});
        }
    }
    // Now and then a diameter beyond the range of a Single.
    const std::string diameter = run % 13 == 0 ? std::string(45, '9') : pair.diameter;
    arguments.insert(arguments.end(), {"--at", diameter, "--member", run % 2 ? "gear" : "pinion"});
    if (run % 3 == 0) {
        arguments.emplace_back("--json");
    }
    // Now and then a value no field takes.
    if (run % 11 == 0) {
        arguments.insert(arguments.end(), {"--cd", "1e5"});
    }
    return arguments;
}

std::string Describe(const std::vector<std::string>& arguments) {
    std::string text = "korvanta-calc";
    for (const std::string& argument : arguments) {
        text += " '" + argument + "'";
    }
    return text;
}

constexpr std::string_view kTeethRow = R"({"key": "teeth")";

// The cells of the JSON rows, except the tooth counts, are fixed patterns, dash lines or "NA".
testing::AssertionResult ChecksJsonCells(const std::string& out) {
    for (const char* key : {"\"pinion\": \"", "\"gear\": \""}) {
        for (std::size_t at = out.find(key); at != std::string::npos; at = out.find(key, at + 1)) {
            const std::size_t start = at + std::string(key).size();
            const std::string cell = out.substr(start, out.find('"', start) - start);
            const std::size_t rowStart = out.rfind("{\"key\"", at);
            const bool teeth = out.compare(rowStart, kTeethRow.size(), kTeethRow) == 0;
            if (!teeth && !property::IsFixedPattern(cell) && cell != "----------" && cell != "NA") {
                return testing::AssertionFailure() << "a cell shows '" << cell << "'";
            }
        }
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult ChecksRun(const std::vector<std::string>& arguments) {
    const CommandRun run = RunCalc(arguments);
    if (run.status != 0 && run.status != 1 && run.status != 2 && run.status != 3) {
        return testing::AssertionFailure() << "exit status " << run.status << "\n" << run.err;
    }
    if (property::NamesInfinityOrNaN(run.out) || property::NamesInfinityOrNaN(run.err)) {
        return testing::AssertionFailure() << "printed\n" << run.out << run.err;
    }
    if (run.status != 2 && arguments.back() == "--json") {
        return ChecksJsonCells(run.out);
    }
    return testing::AssertionSuccess();
}

TEST(PropertyRuns, AnyCommandLineEndsWithAKnownStatusAndNoInfinityOrNaN) {
    PairGenerator generator(kSeed);
    int failures = 0;
    for (int i = 0; i < kRuns && failures < kFailuresShown; ++i) {
        const std::vector<std::string> arguments = ArgumentsOf(generator.Next(), i);
        const testing::AssertionResult checked = ChecksRun(arguments);
        EXPECT_TRUE(checked) << Describe(arguments);
        failures += checked ? 0 : 1;
    }
}

} // namespace
