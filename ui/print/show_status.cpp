#include "ui/print/show_status.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "ui/common/program_window.h"
#include "ui/print/status_window.h"
#include "ui/program_windows.h"

namespace korvanta {

namespace {

// The status window clears its label when it is activated, which happens after it is shown; the
// message is put back at each activation (the window's own handler has run by then).
class KeepMessage : public QObject {
public:
    KeepMessage(StatusWindow& status, const QString& message) : status_(status), message_(message) {
        status_.installEventFilter(this);
        status_.SetMessage(message_);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::WindowActivate) {
            status_.SetMessage(message_);
        }
        return false;
    }

private:
    StatusWindow& status_;
    const QString& message_;
};

} // namespace

void ShowStatus(ProgramWindows& windows, const QString& message, int seconds) {
    const QPointer<QWidget> caller = QApplication::activeWindow();
    if (seconds > 0) {
        StatusWindow& status = windows.Status();
        status.show();
        status.raise();
        KeepMessage keep(status, message);
        QEventLoop wait;
        QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, &wait, &QEventLoop::quit);
        wait.exec();
    }
    Unload(windows.LoadedStatus());
    ReturnTo(caller);
}

} // namespace korvanta
