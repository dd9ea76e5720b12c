#include <gtest/gtest.h>

#include <string>
#include <variant>

#include "logic/sheet_entry_form.h"

namespace korvanta {
namespace {

SheetEntryTexts FilledTexts() {
    SheetEntryTexts texts;
    texts.faceWidth = "1.25";
    texts.accuracyClass = "7";
    texts.helixHand = HelixHand::Left;
    texts.tipRelief.pinion = {TipRelief::StartGiven::Diameter, "2.15", "2", "6"};
    texts.tipRelief.gear = {TipRelief::StartGiven::RollAngle, "31.5", "0", "4.5"};
    return texts;
}

TEST(SheetEntryForm, ReadsTheTextsAsTheEntriesTheySay) {
    const auto read = SheetEntriesOf(FilledTexts(), LengthUnit::Inch);
    ASSERT_TRUE(std::holds_alternative<SheetEntries>(read)) << std::get<SheetEntryRefusal>(read).message;
    SheetEntries expected;
    expected.faceWidth = 1.25;
    expected.accuracyClass = 7;
    expected.helixHand = HelixHand::Left;
    expected.tipRelief.pinion = TipRelief{TipRelief::StartGiven::Diameter, 2.15, 2.0, 6.0};
    expected.tipRelief.gear = TipRelief{TipRelief::StartGiven::RollAngle, 31.5, 0.0, 4.5};
    EXPECT_EQ(std::get<SheetEntries>(read), expected);
    EXPECT_EQ(TextsOf(expected), FilledTexts());
}

TEST(SheetEntryForm, EmptyTextsAreNoEntries) {
    const auto read = SheetEntriesOf({}, LengthUnit::Millimetre);
    ASSERT_TRUE(std::holds_alternative<SheetEntries>(read));
    EXPECT_EQ(std::get<SheetEntries>(read), SheetEntries{});
    EXPECT_EQ(TextsOf(SheetEntries{}), SheetEntryTexts{});
}

TEST(SheetEntryForm, BlanksAroundANumberAreNoPartOfIt) {
    SheetEntryTexts texts;
    texts.faceWidth = " 30 ";
    texts.accuracyClass = " 11";
    const auto read = SheetEntriesOf(texts, LengthUnit::Millimetre);
    ASSERT_TRUE(std::holds_alternative<SheetEntries>(read));
    EXPECT_EQ(std::get<SheetEntries>(read).faceWidth, 30.0);
    EXPECT_EQ(std::get<SheetEntries>(read).accuracyClass, 11);
}

struct RefusedCase {
    const char* name;
    SheetEntryTexts texts;
    LengthUnit unit;
    SheetEntryField field;
    const char* message;
};

SheetEntryTexts With(void (*change)(SheetEntryTexts&)) {
    SheetEntryTexts texts = FilledTexts();
    change(texts);
    return texts;
}

class RefusedSheetEntry : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedSheetEntry, NamesTheFieldAndWhatItTakes) {
    const RefusedCase& c = GetParam();
    const auto read = SheetEntriesOf(c.texts, c.unit);
    ASSERT_TRUE(std::holds_alternative<SheetEntryRefusal>(read));
    const SheetEntryRefusal& refusal = std::get<SheetEntryRefusal>(read);
    EXPECT_EQ(refusal.field, c.field);
    EXPECT_EQ(refusal.message, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RefusedSheetEntry,
    ::testing::Values(
        RefusedCase{"FaceWidthWithADecimalComma", With([](SheetEntryTexts& shown) { shown.faceWidth = "4,25"; }),
                    LengthUnit::Millimetre, SheetEntryField{SheetEntryItem::FaceWidth},
                    "The face width takes a number above 0 (in mm), not \"4,25\"."},
        RefusedCase{"FaceWidthZero", With([](SheetEntryTexts& shown) { shown.faceWidth = "0.0"; }), LengthUnit::Inch,
                    SheetEntryField{SheetEntryItem::FaceWidth},
                    "The face width takes a number above 0 (in in), not \"0.0\"."},
        RefusedCase{
            "ClassTwelve", With([](SheetEntryTexts& shown) { shown.accuracyClass = "12"; }), LengthUnit::Inch,
            SheetEntryField{SheetEntryItem::AccuracyClass},
            "The accuracy class takes a whole number from 1 to 11 (ISO 1328-1:2013), or nothing for no "
            "tolerances, not \"12\"."},
        RefusedCase{
            "ClassWithAPoint", With([](SheetEntryTexts& shown) { shown.accuracyClass = "6.5"; }), LengthUnit::Inch,
            SheetEntryField{SheetEntryItem::AccuracyClass},
            "The accuracy class takes a whole number from 1 to 11 (ISO 1328-1:2013), or nothing for no "
            "tolerances, not \"6.5\"."},
        RefusedCase{
            "ReliefWithoutItsMost", With([](SheetEntryTexts& shown) { shown.tipRelief.gear.most.clear(); }),
            LengthUnit::Inch, SheetEntryField{SheetEntryItem::ReliefMost, Member::Gear},
            "The gear's tip relief needs its start, its least and its most relief: give all three, or "
            "none for no tip relief."},
        RefusedCase{"ReliefStartZero", With([](SheetEntryTexts& shown) { shown.tipRelief.pinion.start = "0"; }),
                    LengthUnit::Millimetre, SheetEntryField{SheetEntryItem::ReliefStart, Member::Pinion},
                    "The pinion's start of tip relief takes a diameter above 0 (in mm), not \"0\"."},
        RefusedCase{"ReliefRollAngleText", With([](SheetEntryTexts& shown) { shown.tipRelief.gear.start = "2..5"; }),
                    LengthUnit::Inch, SheetEntryField{SheetEntryItem::ReliefStart, Member::Gear},
                    "The gear's start of tip relief takes a roll angle above 0 (in degrees), not \"2..5\"."},
        RefusedCase{"ReliefNegative", With([](SheetEntryTexts& shown) { shown.tipRelief.pinion.least = "-1"; }),
                    LengthUnit::Millimetre, SheetEntryField{SheetEntryItem::ReliefLeast, Member::Pinion},
                    "The pinion's least tip relief takes an amount of 0 or more (in \xC2\xB5m), not \"-1\"."},
        RefusedCase{"ReliefMostNotANumber", With([](SheetEntryTexts& shown) { shown.tipRelief.pinion.most = "."; }),
                    LengthUnit::Inch, SheetEntryField{SheetEntryItem::ReliefMost, Member::Pinion},
                    "The pinion's most tip relief takes an amount of 0 or more (in 0.0001 in), not \".\"."},
        RefusedCase{"ReliefLeastAboveMost", With([](SheetEntryTexts& shown) { shown.tipRelief.gear.least = "5"; }),
                    LengthUnit::Inch, SheetEntryField{SheetEntryItem::ReliefLeast, Member::Gear},
                    "The gear's least tip relief (5) is more than its most (4.5)."}),
    [](const ::testing::TestParamInfo<RefusedCase>& param) { return std::string(param.param.name); });

} // namespace
} // namespace korvanta
