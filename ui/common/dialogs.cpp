#include "ui/common/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include "ui/common/program_window.h"
#include "ui/common/shown_text.h"

namespace korvanta {

namespace {

QMessageBox::Icon BoxIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Stop:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Over the active window, which stays open until the box is answered. The box lives on the heap as
// that window's child all the same: whatever deletes the window takes the box with it and exec()
// returns; nothing on the stack is deleted twice.
int ShowBox(const Message& message, QMessageBox::StandardButtons buttons) {
    QWidget* over = QApplication::activeWindow();
    const HoldOpen held(over);
    QPointer<QMessageBox> box =
        new QMessageBox(BoxIcon(message.icon), ShownText(QString::fromStdString(message.title)),
                        ShownText(QString::fromStdString(message.text)), buttons, over);
    if (buttons.testFlag(QMessageBox::Yes)) {
        box->setDefaultButton(QMessageBox::Yes);
    }
    box->setWindowModality(Qt::ApplicationModal);
    const int answer = box->exec();
    delete box.data();
    return answer;
}

} // namespace

void MessageBoxDialogs::Show(const Message& message) {
    ShowBox(message, QMessageBox::Ok);
}

bool MessageBoxDialogs::Ask(const Message& question) {
    return ShowBox(question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

} // namespace korvanta
