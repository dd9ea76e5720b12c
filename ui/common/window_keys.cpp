#include "ui/common/window_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShortcut>

#include "ui/common/program_window.h"
#include "ui/info/help_window.h"
#include "ui/program_windows.h"

namespace korvanta {

namespace {

class HelpKey : public QObject {
public:
    HelpKey(ProgramWindows& windows, QObject* parent) : QObject(parent), windows_(windows) {}

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
            QApplication::activeModalWidget() != nullptr) {
            return false;
        }
        OpenFrom(SessionWindow::Input, OpenedWindow::Help, &windows_.Help());
        return true;
    }

private:
    ProgramWindows& windows_;
};

} // namespace

void CloseOnEscape(QWidget& window, QAbstractButton& closeButton) {
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), &window);
    escape->setContext(Qt::WindowShortcut);
    QObject::connect(escape, &QShortcut::activated, &closeButton, &QAbstractButton::click);
}

void InstallHelpKey(ProgramWindows& windows) {
    qApp->installEventFilter(new HelpKey(windows, &windows.Lifetime()));
}

} // namespace korvanta
