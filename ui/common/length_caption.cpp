#include "ui/common/length_caption.h"

#include <QLabel>

#include "logic/unit_texts.h"

namespace korvanta {

QString InUnit(std::string_view text, LengthUnit unit) {
    return QString::fromStdString(InLengthUnit(text, unit));
}

void ShowLengthCaption(QLabel& label, std::string_view caption, LengthUnit unit) {
    const QString withUnit = InUnit(caption, unit);
    const bool fits = label.fontMetrics().horizontalAdvance(withUnit) <= label.width();
    label.setText(fits ? withUnit
                       : QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void ShowUnitSign(QLabel& label, LengthUnit unit) {
    label.setText(QString::fromStdString(UnitModeSign(unit)));
    label.setVisible(!label.text().isEmpty());
}

} // namespace korvanta
