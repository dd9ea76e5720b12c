#include "ui/common/enter_presses_button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace korvanta {

namespace {

// Sees the key before the window's own key handling, which would otherwise turn the Enter into a Tab
// and leave the button unpressed.
class EnterPressesButton : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) {
            return false;
        }
        if (key->modifiers() & ~Qt::KeypadModifier) {
            return false;
        }
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr || button->autoDefault() || !button->isEnabled() || !button->hasFocus()) {
            return false;
        }
        button->click();
        return true;
    }
};

} // namespace

void InstallEnterPressesButtons() {
    static EnterPressesButton* filter = nullptr;
    if (filter != nullptr) {
        return;
    }
    filter = new EnterPressesButton(qApp);
    qApp->installEventFilter(filter);
}

} // namespace korvanta
