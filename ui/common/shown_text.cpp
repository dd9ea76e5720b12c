#include "ui/common/shown_text.h"

namespace korvanta {

QString ShownText(std::string_view stored) {
    return ShownText(QString::fromUtf8(stored.data(), static_cast<qsizetype>(stored.size())));
}

QString ShownText(const QString& stored) {
    QString shown = stored;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace korvanta
