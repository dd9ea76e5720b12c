#include "ui/common/dialogs.h"

#include <QApplication>
#include <QMessageBox>

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

// Application-modal message boxes over the active window.
class MessageBoxDialogs : public Dialogs {
public:
    void Show(const Message& message) override {
        QMessageBox box(BoxIcon(message.icon), ShownText(QString::fromStdString(message.title)),
                        ShownText(QString::fromStdString(message.text)), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setWindowModality(Qt::ApplicationModal);
        box.exec();
    }

    bool Ask(const Message& question) override {
        QMessageBox box(BoxIcon(question.icon), ShownText(QString::fromStdString(question.title)),
                        ShownText(QString::fromStdString(question.text)), QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(QMessageBox::Yes);
        box.setWindowModality(Qt::ApplicationModal);
        return box.exec() == QMessageBox::Yes;
    }
};

Dialogs*& Installed() {
    static Dialogs* installed = nullptr;
    return installed;
}

} // namespace

Dialogs& AppDialogs() {
    static MessageBoxDialogs messageBoxes;
    if (Installed() != nullptr) {
        return *Installed();
    }
    return messageBoxes;
}

void SetDialogs(Dialogs* dialogs) {
    Installed() = dialogs;
}

} // namespace korvanta
