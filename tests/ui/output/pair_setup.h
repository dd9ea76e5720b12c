#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

#include "core/gear_pair_state.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "support/window_test.h"
#include "ui/input/input_window.h"
#include "ui/output/output_window.h"

namespace korvanta::testing {

// The input fields in their order: NT1, NT2, DP, PA, HA, OD1, OD2, CD. Each field's value is stored
// as leaving the field stores it, then Calculate runs.
inline void CalculatePair(bool external, const FieldTexts& texts) {
    GearPairState& state = testing::State();
    Single* const fields[] = {&state.NT1, &state.NT2, &state.DP,  &state.PA,
                              &state.HA,  &state.OD1, &state.OD2, &state.CD};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        *fields[field] = LeadingNumber(texts[field]);
    }
    const CalculateOutcome outcome =
        Calculate(testing::State(), external ? PairKind::External : PairKind::Internal, texts);
    ASSERT_FALSE(outcome.rejection.has_value()) << outcome.rejection->text;
}

// The standard spur pair of 20 and 40 teeth.
inline const FieldTexts kExternalSpurPair = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
// The standard internal pair of 20 and 60 teeth.
inline const FieldTexts kInternalSpurPair = {"20", "60", "10", "20", "0", "2.2", "5.8", "2"};

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

// One row of an output window as shown: caption, pinion cell, gear cell.
struct ShownRow {
    const char* caption;
    const char* pinion;
    const char* gear;
    QString captionText;
    QString pinionText;
    QString gearText;
};

inline void ExpectRows(QWidget& window, const std::vector<ShownRow>& rows) {
    for (const ShownRow& row : rows) {
        EXPECT_EQ(CaptionText(window, row.caption), row.captionText) << row.caption;
        EXPECT_EQ(CellText(window, row.pinion), row.pinionText) << row.pinion;
        EXPECT_EQ(CellText(window, row.gear), row.gearText) << row.gear;
    }
}

} // namespace korvanta::testing

inline void PrintTo(const QString& text, std::ostream* stream) {
    *stream << '"' << text.toStdString() << '"';
}
