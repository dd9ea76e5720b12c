#include "ui/common/fonts.h"

#include <QFont>
#include <QStringList>

namespace korvanta {

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                           QStringLiteral("Liberation Sans")});
}

} // namespace korvanta
