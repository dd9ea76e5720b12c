#include "cli/table_export.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "run_command.h"

namespace korvanta::cli {
namespace {

PairFile MeasuredPair() {
    PerMember<MeasurementChoice> choices;
    choices[Member::Pinion].pinDiameter = 0.18;
    choices[Member::Gear].spanTeeth = 6;
    JobData job;
    job.pinionPart = "P-1";
    PairFile pair;
    pair.entries = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
    pair.job = job;
    StoreChoices(pair, choices);
    return pair;
}

// The pair's file in a fresh temporary folder, removed with the object.
class WrittenPairFile {
public:
    explicit WrittenPairFile(const PairFile& pair) {
        char folder[] = "/tmp/korvanta-table-XXXXXX";
        folder_ = mkdtemp(folder);
        path_ = folder_ + "/pair.korvanta";
        std::ofstream(path_, std::ios::binary) << PairFileText(pair);
    }
    ~WrittenPairFile() {
        std::remove(path_.c_str());
        rmdir(folder_.c_str());
    }
    const std::string& Path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

TEST(SavedTableFormat, IsJsonOnlyForANameEndingInDotJson) {
    EXPECT_EQ(SavedTableFormat("/home/a/pair.json"), OutputFormat::Json);
    EXPECT_EQ(SavedTableFormat("PAIR.JSON"), OutputFormat::Json);
    EXPECT_EQ(SavedTableFormat("pair.csv"), OutputFormat::Csv);
    EXPECT_EQ(SavedTableFormat("pair"), OutputFormat::Csv);
    EXPECT_EQ(SavedTableFormat("json"), OutputFormat::Csv);
}

TEST(SavedTableOf, GivesTheBytesTheCommandPrintsForThePairFile) {
    const PairFile pair = MeasuredPair();
    const WrittenPairFile file(pair);
    for (const bool measure : {false, true}) {
        for (const OutputFormat format : {OutputFormat::Csv, OutputFormat::Json}) {
            std::vector<std::string> arguments = {"--pair", file.Path(),
                                                  format == OutputFormat::Json ? "--json" : "--csv"};
            if (measure) {
                arguments.push_back("--measure");
            }
            const CommandRun run = RunCalc(arguments);
            const SavedTable saved = SavedTableOf(pair, format, measure);
            ASSERT_FALSE(saved.error.has_value());
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(saved.bytes, run.out) << "measure " << measure;
        }
    }
}

TEST(UnwritableTableFile, NamesTheFileAndTheReason) {
    EXPECT_EQ(
        UnwritableTableFile("/x/t.csv", "Permission denied"),
        "The table could not be saved to \"/x/t.csv\": Permission denied. The file was left as it was.");
}

} // namespace
} // namespace korvanta::cli
