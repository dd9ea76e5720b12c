#include "ui/common/form_font.h"

namespace korvanta {

void UseFormFont(QWidget& window) {
    QFont font(QString::fromLatin1(kFormFontFamily));
    font.setPointSizeF(kFormFontPointSize);
    window.setFont(font);
}

} // namespace korvanta
