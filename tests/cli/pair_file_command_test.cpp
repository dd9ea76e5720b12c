#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "run_command.h"

namespace {

using Arguments = std::vector<std::string>;

class PairFileCommand : public ::testing::Test {
protected:
    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 ("korvanta-pair-" + std::to_string(getpid()) + "-" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }

    static std::string Read(const std::string& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }

    std::filesystem::path folder;
};

struct PairCase {
    const char* name;
    Arguments pair;
    Arguments tools;
};

const PairCase kPairs[] = {
    {"External",
     {"--nt1", "20", "--nt2", "40", "--dp", "10", "--od1", "2.2"},
     {"--pin1", "0.2", "--span2", "5"}},
    {"Internal",
     {"--type", "internal", "--nt1", "20", "--nt2", "60", "--dp", "10", "--ha", "12"},
     {"--pin2", "0.15"}},
    {"Metric", {"--nt1", "12", "--nt2", "24", "--module", "3", "--od1", "44.84", "--cd", "56.5"}, {}},
};

Arguments Joined(Arguments first, const Arguments& more) {
    first.insert(first.end(), more.begin(), more.end());
    return first;
}

// The file the options write gives, for every output, the bytes the options themselves give.
TEST_F(PairFileCommand, AWrittenPairFileCalculatesAsTheOptionsThatWroteIt) {
    for (const PairCase& c : kPairs) {
        const std::string file = Path(std::string(c.name) + ".korvanta");
        const CommandRun written = RunCalc(Joined(Joined(c.pair, c.tools), {"--write-pair", file}));
        ASSERT_EQ(written.status, 0) << written.err;
        EXPECT_EQ(written.out, "");
        for (const Arguments& output : {Arguments{}, Arguments{"--json"}, Arguments{"--csv"}}) {
            const CommandRun fromFile = RunCalc(Joined(Joined({"--pair", file, "--measure"}, output), {}));
            const CommandRun fromOptions =
                RunCalc(Joined(Joined(Joined(c.pair, c.tools), {"--measure"}), output));
            EXPECT_EQ(fromFile.status, 0) << c.name << fromFile.err;
            EXPECT_EQ(fromFile.out, fromOptions.out) << c.name;
        }
    }
}

TEST_F(PairFileCommand, ABadPairFileIsAUsageErrorNamingTheFile) {
    const std::string bad = Path("bad.korvanta");
    std::ofstream(bad) << "{\"format\": \"korvanta-pair\", \"version\": \"3.1\"}";
    for (const std::string& file : {bad, folder.string(), Path("missing.korvanta")}) {
        const CommandRun run = RunCalc({"--pair", file});
        EXPECT_EQ(run.status, 2) << file;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("\"" + file + "\""), std::string::npos) << run.err;
    }
}

TEST_F(PairFileCommand, PairOptionsBesideAPairFileAreAUsageError) {
    const CommandRun run = RunCalc({"--pair", Path("x.korvanta"), "--nt1", "20"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--pair reads the pair from its file and takes no --nt1"), std::string::npos);
}

// Written whole or not at all: a folder in the way, or a folder that cannot be written, leaves what
// was there.
TEST_F(PairFileCommand, APairFileThatCannotBeWrittenIsAnInputOutputFailureAndLeavesTheOldFile) {
    const std::filesystem::path inTheWay = folder / "taken.korvanta";
    std::filesystem::create_directory(inTheWay);
    const CommandRun blocked = RunCalc({"--nt1", "20", "--write-pair", inTheWay.string()});
    EXPECT_EQ(blocked.status, 4);
    EXPECT_NE(blocked.err.find("folder"), std::string::npos) << blocked.err;
    EXPECT_TRUE(std::filesystem::is_directory(inTheWay));

    const std::string kept = Path("kept.korvanta");
    ASSERT_EQ(RunCalc({"--nt1", "20", "--write-pair", kept}).status, 0);
    const std::string before = Read(kept);
    if (geteuid() != 0) { // root writes into any folder
        chmod(folder.c_str(), 0500);
        const CommandRun denied = RunCalc({"--nt1", "30", "--write-pair", kept});
        chmod(folder.c_str(), 0700);
        EXPECT_EQ(denied.status, 4);
        EXPECT_NE(denied.err.find("\"" + kept + "\""), std::string::npos) << denied.err;
    }
    EXPECT_EQ(Read(kept), before);
}

} // namespace
