#include "ui/common/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

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
    // The save question's buttons take their first letters as keys, like the program's own buttons.
    if (buttons.testFlag(QMessageBox::Save)) {
        box->setDefaultButton(QMessageBox::Save);
        box->button(QMessageBox::Save)->setText(QStringLiteral("&Save"));
        box->button(QMessageBox::Discard)->setText(QStringLiteral("&Discard"));
        box->button(QMessageBox::Cancel)->setText(QStringLiteral("&Cancel"));
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

// A box closed without a button (Escape, the title bar) is a Cancel.
SaveAnswer MessageBoxDialogs::AskToSave(const Message& question) {
    switch (ShowBox(question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace korvanta
