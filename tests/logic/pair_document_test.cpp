#include "logic/pair_document.h"

#include <gtest/gtest.h>

#include "core/gear_pair_state.h"
#include "logic/entry_replay.h"

namespace korvanta {
namespace {

std::vector<std::string> Numbered(int count) {
    std::vector<std::string> files;
    for (int i = 0; i < count; ++i) {
        files.push_back("/pairs/" + std::to_string(i) + ".korvanta");
    }
    return files;
}

TEST(RecentFilesTest, OpenedFileComesFirstOnce) {
    const std::vector<std::string> files = WithRecentFile({"/a.korvanta", "/b.korvanta"}, "/b.korvanta");
    EXPECT_EQ(files, (std::vector<std::string>{"/b.korvanta", "/a.korvanta"}));
}

TEST(RecentFilesTest, KeepsTheLatestEight) {
    const std::vector<std::string> files = WithRecentFile(Numbered(8), "/new.korvanta");
    ASSERT_EQ(files.size(), kRecentFileLimit);
    EXPECT_EQ(files.front(), "/new.korvanta");
    EXPECT_EQ(files.back(), "/pairs/6.korvanta");
}

TEST(RecentFilesTest, MissingFileIsDropped) {
    EXPECT_EQ(WithoutRecentFile({"/a.korvanta", "/gone.korvanta"}, "/gone.korvanta"),
              (std::vector<std::string>{"/a.korvanta"}));
}

TEST(RecentFilesTest, MenuTextNumbersTheFileAndShowsAmpersands) {
    EXPECT_EQ(RecentFileMenuText(0, "/jobs/R&D.korvanta"), "&1 /jobs/R&&D.korvanta");
    EXPECT_EQ(RecentFileMenuText(7, "/x.korvanta"), "&8 /x.korvanta");
}

PairFile Changed(PairFile pair) {
    pair.entries[0] = "31";
    return pair;
}

TEST(AskToSaveTest, PairNeverSavedDoesNotAsk) {
    const PairDocument document;
    EXPECT_FALSE(document.AsksToSave(PairFile{}));
    EXPECT_FALSE(document.AsksToSave(Changed(PairFile{})));
}

TEST(AskToSaveTest, UnchangedPairOfAFileDoesNotAsk) {
    PairDocument document;
    document.Kept("/a.korvanta", PairFile{});
    EXPECT_FALSE(document.AsksToSave(PairFile{}));
}

TEST(AskToSaveTest, ChangedPairOfAFileAsks) {
    PairDocument document;
    document.Kept("/a.korvanta", PairFile{});
    EXPECT_TRUE(document.AsksToSave(Changed(PairFile{})));
    PairFile otherJob;
    otherJob.job.inspector = "R. Stone";
    EXPECT_TRUE(document.AsksToSave(otherJob));
}

TEST(AskToSaveTest, NewPairForgetsTheFile) {
    PairDocument document;
    document.Kept("/a.korvanta", PairFile{});
    document.Forget();
    EXPECT_FALSE(document.FileName().has_value());
    EXPECT_FALSE(document.AsksToSave(Changed(PairFile{})));
}

TEST(AskToSaveTest, AnswersLeaveThePairOnlyWhenNothingIsLost) {
    EXPECT_TRUE(LeavesPair(SaveAnswer::Save, true));
    EXPECT_FALSE(LeavesPair(SaveAnswer::Save, false));
    EXPECT_TRUE(LeavesPair(SaveAnswer::Discard, false));
    EXPECT_FALSE(LeavesPair(SaveAnswer::Cancel, false));
}

TEST(PairTitleTest, NamesTheFileWithTheModifiedMarkInTheUnits) {
    PairDocument document;
    EXPECT_EQ(document.Title(LengthUnit::Inch), "Korvanta");
    EXPECT_EQ(document.Title(LengthUnit::Millimetre), "Korvanta (mm)");
    document.Kept("/home/ann/pairs/spur.korvanta", PairFile{});
    EXPECT_EQ(document.Title(LengthUnit::Inch), "spur.korvanta[*] - Korvanta");
    EXPECT_EQ(document.Title(LengthUnit::Millimetre), "spur.korvanta[*] - Korvanta (mm)");
}

TEST(PairFileNameTest, ChosenNameWithoutExtensionGetsThePairExtension) {
    EXPECT_EQ(WithPairExtension("/home/ann/spur"), "/home/ann/spur.korvanta");
    EXPECT_EQ(WithPairExtension("/home/ann/spur.korvanta"), "/home/ann/spur.korvanta");
    EXPECT_EQ(WithPairExtension("/home/a.b/spur.json"), "/home/a.b/spur.json");
    EXPECT_EQ(WithPairExtension("/home/a.b/spur"), "/home/a.b/spur.korvanta");
}

TEST(JobTextTest, ControlCharactersAreTakenOutAndTheTextCut) {
    EXPECT_EQ(CleanJobText("A\tB\r\nC", false), "ABC");
    EXPECT_EQ(CleanJobText("A\tB\r\nC", true), "A\tB\nC");
    const std::string umlauts(2 * (kJobTextLimit + 5), 'x');
    EXPECT_EQ(CleanJobText(umlauts, false).size(), kJobTextLimit);
    std::string wide;
    for (std::size_t i = 0; i < kJobTextLimit + 1; ++i) {
        wide += "\xC3\xBC"; // ü
    }
    EXPECT_EQ(CleanJobText(wide, false).size(), 2 * kJobTextLimit);
}

// A pair typed in as a user types it, with measurement choices and job data.
struct Typed {
    Session session;
    InputForm form{session.State()};
};

void TypeIn(Typed& typed, LengthUnit unit, PairKind kind, const FieldTexts& texts) {
    typed.form.ChooseUnit(unit);
    std::array<std::optional<std::string>, 8> entries;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        entries[i] = texts[i];
    }
    TypeEntries(typed.form, kind, entries);
    typed.session.MeasurementChoices() = {MeasurementChoice{0.25, 3}, MeasurementChoice{std::nullopt, 5}};
    typed.session.Job() = JobData{"P-100", "G-200 & co", "DWG-7", "C", "Ann Ohm", "first line\n\tsecond"};
    SheetEntries& sheet = typed.session.Sheet();
    sheet.faceWidth = 1.25;
    sheet.accuracyClass = 7;
    sheet.helixHand = HelixHand::Left;
    sheet.tipRelief.gear = TipRelief{TipRelief::StartGiven::RollAngle, 31.5, 5.0, 12.5};
}

struct RoundTripCase {
    const char* name;
    LengthUnit unit;
    PairKind kind;
    FieldTexts texts;
};

class PairRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(PairRoundTripTest, EverythingSurvivesOpenAndSaveByteForByte) {
    Typed typed;
    TypeIn(typed, GetParam().unit, GetParam().kind, GetParam().texts);
    const PairFile saved = PairOfWindows(typed.form, typed.session);
    EXPECT_EQ(saved.unit, GetParam().unit);
    EXPECT_EQ(saved.kind, GetParam().kind);
    const std::string text = PairFileText(saved);

    const PairFileReading reading = ReadPairFile("pair.korvanta", text);
    ASSERT_TRUE(reading.pair) << reading.error;
    Session opened;
    StartAfresh(opened.State());
    InputForm form(opened.State());
    ApplyPair(form, opened, *reading.pair);

    const PairFile again = PairOfWindows(form, opened);
    EXPECT_EQ(again, saved);
    EXPECT_EQ(opened.MeasurementChoices(), typed.session.MeasurementChoices());
    EXPECT_EQ(opened.Job(), typed.session.Job());
    EXPECT_EQ(opened.Sheet(), typed.session.Sheet());
    EXPECT_EQ(opened.State().Unit, GetParam().unit);
    EXPECT_EQ(PairFileText(again), text);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, PairRoundTripTest,
    ::testing::Values(RoundTripCase{"External",
                                    LengthUnit::Inch,
                                    PairKind::External,
                                    {"30", "60", "10", "20", "0", "3.2", "6.2", "4.5"}},
                      RoundTripCase{"Internal",
                                    LengthUnit::Inch,
                                    PairKind::Internal,
                                    {"20", "60", "10", "20", "0", "2.2", "5.8", "2"}},
                      RoundTripCase{"Metric",
                                    LengthUnit::Millimetre,
                                    PairKind::External,
                                    {"12", "24", "3", "20", "0", "44.84", "79.4", "56.5"}}),
    [](const ::testing::TestParamInfo<RoundTripCase>& testCase) { return std::string(testCase.param.name); });

TEST(ApplyPairTest, FreshStateForgetsThePreviousPair) {
    Typed typed;
    TypeIn(typed, LengthUnit::Inch, PairKind::Internal, {"20", "60", "10", "20", "0", "2.2", "5.8", "2"});
    StartAfresh(typed.session.State());
    EXPECT_FALSE(typed.session.State().GearType.has_value());
    EXPECT_EQ(typed.session.State().NT1.Value(), 0.0f);
    EXPECT_GT(typed.session.State().Pi, 3.0);
}

} // namespace
} // namespace korvanta
