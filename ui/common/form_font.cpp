#include "ui/common/form_font.h"

namespace korvanta {

void UseFormFont(QWidget& window) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    window.setFont(font);
}

} // namespace korvanta
