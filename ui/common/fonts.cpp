#include "ui/common/fonts.h"

#include <QFont>
#include <QStringList>

#include "ui/common/form_font.h"

namespace korvanta {

void InstallFontSubstitutes() {
    QFont::insertSubstitutions(QString::fromLatin1(kFormFontFamily),
                               QStringList{QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                                           QStringLiteral("Liberation Sans")});
}

} // namespace korvanta
