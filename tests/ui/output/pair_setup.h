#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>

#include "core/gear_pair_state.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "ui/common/program_state.h"

namespace korvanta::testing {

// The input fields in their order: NT1, NT2, DP, PA, HA, OD1, OD2, CD. Each field's value is stored
// as leaving the field stores it, then Calculate runs.
inline void CalculatePair(bool external, const FieldTexts& texts) {
    GearPairState& state = ProgramState();
    Single* const fields[] = {&state.NT1, &state.NT2, &state.DP,  &state.PA,
                              &state.HA,  &state.OD1, &state.OD2, &state.CD};
    for (std::size_t field = 0; field < texts.size(); ++field)
        *fields[field] = LeadingNumber(texts[field]);
    const CalculateOutcome outcome = Calculate(ProgramState(), external, texts);
    ASSERT_FALSE(outcome.rejection.has_value()) << outcome.rejection->text;
}

// The standard spur pair of 20 and 40 teeth.
inline const FieldTexts kExternalSpurPair = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
// The standard internal pair of 20 and 60 teeth.
inline const FieldTexts kInternalSpurPair = {"20", "60", "10", "20", "0", "2.2", "5.8", "2"};

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
