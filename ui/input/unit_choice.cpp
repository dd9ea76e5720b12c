#include "ui/input/unit_choice.h"

#include <QSettings>

#include "logic/unit_texts.h"

namespace korvanta {

namespace {

const QString kUnitKey = QStringLiteral("input/units");

QString Symbol(LengthUnit unit) {
    const std::string_view symbol = UnitSymbol(unit);
    return QString::fromLatin1(symbol.data(), static_cast<qsizetype>(symbol.size()));
}

} // namespace

LengthUnit RememberedUnit() {
    const QSettings settings;
    const bool metric = settings.value(kUnitKey).toString() == Symbol(LengthUnit::Millimetre);
    return metric ? LengthUnit::Millimetre : LengthUnit::Inch;
}

bool RememberUnit(LengthUnit unit) {
    QSettings settings;
    settings.setValue(kUnitKey, Symbol(unit));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString UnitSettingsFile() {
    return QSettings().fileName();
}

} // namespace korvanta
