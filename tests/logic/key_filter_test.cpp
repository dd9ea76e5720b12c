#include <gtest/gtest.h>

#include <random>
#include <string>

#include "logic/key_filter.h"

namespace korvanta {
namespace {

TEST(FilterKey, ToothSetTakesDigitsAndBackspaceOnly) {
    std::string teeth(kToothKeys);
    for (char c : std::string("0123456789")) {
        EXPECT_TRUE(FilterKey(teeth, c)) << c;
    }
    EXPECT_TRUE(FilterKey(teeth, 8));
    for (int code : std::initializer_list<int>{'.', '-', ' ', 'a', 'E', 13, 0, 0x2C}) {
        EXPECT_FALSE(FilterKey(teeth, code)) << code;
    }
}

TEST(FilterKey, NumberSetAddsThePoint) {
    std::string number(kNumberKeys);
    EXPECT_TRUE(FilterKey(number, '.'));
    EXPECT_TRUE(FilterKey(number, '7'));
    EXPECT_FALSE(FilterKey(number, '-'));
    EXPECT_FALSE(FilterKey(number, ','));
}

TEST(FilterKey, EmptySetStandsForTheNumberSetAndStaysEmpty) {
    const std::string empty;
    for (int code = 0; code < 0x100; ++code) {
        EXPECT_EQ(FilterKey(empty, code), FilterKey(kNumberKeys, code)) << code;
    }
    EXPECT_TRUE(FilterKey(empty, '.'));
}

TEST(FilterKey, CodesBeyondOneByteAreRefused) {
    std::string number(kNumberKeys);
    EXPECT_FALSE(FilterKey(number, 0x100 + '5'));
    EXPECT_FALSE(FilterKey(number, 0xB0));
}

TEST(AllowedKeys, TeethTakeDigitsOtherFieldsAlsoPoints) {
    EXPECT_EQ(AllowedKeys(InputField::NT1), kToothKeys);
    EXPECT_EQ(AllowedKeys(InputField::NT2), kToothKeys);
    for (InputField field :
         {InputField::DP, InputField::PA, InputField::HA, InputField::OD1, InputField::OD2, InputField::CD}) {
        EXPECT_EQ(AllowedKeys(field), kNumberKeys);
    }
}

TEST(FitsSingle, RefusesNumbersBeyondTheSingleRange) {
    EXPECT_TRUE(FitsSingle(""));
    EXPECT_TRUE(FitsSingle("340282340000000000000000000000000000000"));
    EXPECT_FALSE(FitsSingle("340282360000000000000000000000000000000"));
    EXPECT_FALSE(FitsSingle("1" + std::string(400, '0')));
    EXPECT_TRUE(FitsSingle("0." + std::string(400, '0') + "1"));
}

TEST(PasteRefusal, SaysWhatTheFieldTakesAndWhatTheTextBrings) {
    const std::pair<const char*, const char*> cases[] = {
        {"4,25", "This field takes only digits and a decimal point, not \",\": nothing was pasted. For a "
                 "decimal comma, use a point."},
        {"12ab", "This field takes only digits and a decimal point, not \"a\" or \"b\": nothing was pasted."},
        {"1e3", "This field takes only digits and a decimal point, not \"e\": nothing was pasted."},
        {"2.5 mm\n", "This field takes only digits and a decimal point, not \"m\" or spaces: nothing was "
                     "pasted."},
        {"1,5°,2",
         "This field takes only digits and a decimal point, not \",\" or \"°\": nothing was pasted. "
         "For a decimal comma, use a point."},
    };
    for (const auto& [text, sentence] : cases) {
        const std::optional<Message> refusal = PasteRefusal(kNumberKeys, text);
        ASSERT_TRUE(refusal.has_value()) << text;
        EXPECT_EQ(refusal->text, sentence);
        EXPECT_EQ(refusal->title, "Korvanta");
    }
    EXPECT_EQ(PasteRefusal(kToothKeys, "2,5")->text,
              "This field takes only digits, not \",\": nothing was pasted.");
    EXPECT_FALSE(PasteRefusal(kNumberKeys, "12.50").has_value());
    EXPECT_FALSE(PasteRefusal(kToothKeys, "").has_value());
}

// Texts of allowed characters only are accepted at once; the refusal must be the one of looking at
// each character, for the fields' own sets and for any other set.
TEST(PasteRefusal, QuickAcceptanceAgreesWithTheCharacterByCharacterRefusal) {
    std::mt19937_64 random(5025);
    const std::string alphabet = "0123456789..,- eE\t\xC2\xB0/";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 8);
    for (const std::string_view allowed :
         {kToothKeys, kNumberKeys, std::string_view("0123456789-"), std::string_view("12.")}) {
        for (int i = 0; i < 20000; ++i) {
            std::string text;
            for (int n = length(random); n > 0; --n) {
                text += alphabet[pick(random)];
            }
            const bool onlyAllowed = text.find_first_not_of(allowed) == std::string::npos;
            const std::optional<Message> refusal = PasteRefusal(allowed, text);
            EXPECT_EQ(refusal.has_value(), !onlyAllowed) << allowed << " " << text;
            if (refusal) {
                EXPECT_NE(refusal->text.find("nothing was pasted."), std::string::npos) << text;
            }
        }
    }
}

} // namespace
} // namespace korvanta
