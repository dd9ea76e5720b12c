#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "logic/output_table.h"
#include "support/window_test.h"
#include "ui/input/input_window.h"
#include "ui/output/output_window.h"
#include "ui/output/output_window_description.h"

namespace korvanta::testing {

// The input fields in their order: NT1, NT2, DP, PA, HA, OD1, OD2, CD. Each field's value is stored
// as leaving the field stores it (the pitch field as a module in millimetres), then Calculate runs.
inline void CalculatePair(bool external, const FieldTexts& texts, LengthUnit unit = LengthUnit::Inch) {
    GearPairState& state = testing::State();
    state.Unit = unit;
    Single* const fields[] = {&state.NT1, &state.NT2, &state.DP,  &state.PA,
                              &state.HA,  &state.OD1, &state.OD2, &state.CD};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        *fields[field] = LeadingNumber(texts[field]);
    }
    StoreNormalPitch(state, LeadingNumber(texts[2]));
    const CalculateOutcome outcome =
        Calculate(testing::State(), external ? PairKind::External : PairKind::Internal, texts);
    ASSERT_FALSE(outcome.rejection.has_value()) << outcome.rejection->text;
}

// The calculated pair as if it had been entered the other way round, the larger member first.
inline void ExchangePinionAndGear(GearPairState& state) {
    std::swap(state.NT1, state.NT2);
    std::swap(state.OD1, state.OD2);
    std::swap(state.PD1, state.PD2);
    std::swap(state.DB1, state.DB2);
}

// The standard spur pair of 20 and 40 teeth.
inline const FieldTexts kExternalSpurPair = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
// The standard internal pair of 20 and 60 teeth.
inline const FieldTexts kInternalSpurPair = {"20", "60", "10", "20", "0", "2.2", "5.8", "2"};
// A profile-shifted spur pair of module 3 in millimetres, 12 and 24 teeth, as gear makers publish it.
inline const FieldTexts kMetricSpurPair = {"12", "24", "3", "20", "0", "44.84", "79.40", "56.5"};

// Opens the output window as the user does: the input window shown and active, the option chosen,
// every field typed and left with Tab, then Calculate. Returns the output window that opened.
inline QWidget* CalculateThroughInputWindow(bool external, const FieldTexts& texts) {
    InputWindow& input = testing::Windows().Input();
    EXPECT_TRUE(ShowActive(input));
    input.findChild<QRadioButton*>(external ? "Option1" : "Option2")->click();
    static const char* const kFields[] = {"TextNT1", "TextNT2", "TextDP",  "TextPA",
                                          "TextHA",  "TextOD1", "TextOD2", "TextCD"};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        auto* box = input.findChild<QLineEdit*>(kFields[field]);
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
        if (texts[field].empty()) {
            QTest::keyClick(box, Qt::Key_Delete);
        } else {
            QTest::keyClicks(box, QString::fromStdString(texts[field]));
        }
        QTest::keyClick(box, Qt::Key_Tab);
    }
    QTest::mouseClick(input.findChild<QPushButton*>("Command1"), Qt::LeftButton);
    QWidget* output = external ? static_cast<QWidget*>(testing::Windows().LoadedOutput(PairKind::External))
                               : static_cast<QWidget*>(testing::Windows().LoadedOutput(PairKind::Internal));
    EXPECT_NE(output, nullptr);
    if (output != nullptr) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(output, 2000));
    }
    return output;
}

inline QString CellText(QWidget& window, const char* name) {
    auto* cell = window.findChild<QLineEdit*>(name);
    EXPECT_NE(cell, nullptr) << name;
    return cell ? cell->text() : QString();
}

inline QString CaptionText(QWidget& window, const char* name) {
    auto* label = window.findChild<QLabel*>(name);
    EXPECT_NE(label, nullptr) << name;
    return label ? label->text() : QString();
}

// One row caption of an output window: the label's name and the text it shows.
struct ShownCaption {
    const char* label;
    QString text;
};

inline void ExpectCaptions(QWidget& window, const std::vector<ShownCaption>& captions) {
    for (const ShownCaption& caption : captions) {
        EXPECT_EQ(CaptionText(window, caption.label), caption.text) << caption.label;
    }
}

// The table the logic fills from the state as it stands, worked on a copy so that the window's own
// activation starts from the same state. The worked numbers themselves are pinned by the logic and
// core tests; a window test checks that the window shows what the logic produced.
inline OutputTable TableOfTheLogic(PairKind kind) {
    OutputTable table = DescriptionOf(kind).newTable();
    FillTable(SolvePair(testing::State()), table);
    return table;
}

// The pinion and gear cells of one row against the logic's table.
inline void ExpectRowShows(OutputWindow& window, const OutputTable& table, OutputRow row) {
    const OutputRowNames& names = DescriptionOf(window.Kind()).rows[static_cast<int>(row)];
    EXPECT_EQ(CellText(window, names.pinion).toStdString(), table[row].pinion) << names.pinion;
    EXPECT_EQ(CellText(window, names.gear).toStdString(), table[row].gear) << names.gear;
}

// Every pinion and gear cell of the window against the logic's table.
inline void ExpectCellsShow(OutputWindow& window, const OutputTable& table) {
    for (int row = 0; row < kOutputRowCount; ++row) {
        ExpectRowShows(window, table, static_cast<OutputRow>(row));
    }
}

} // namespace korvanta::testing

inline void PrintTo(const QString& text, std::ostream* stream) {
    *stream << '"' << text.toStdString() << '"';
}
