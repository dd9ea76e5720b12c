#include "ui/print/show_status.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "ui/common/program_window.h"
#include "ui/print/form_status.h"

namespace korvanta {

namespace {

// How often the message is put back while waiting: the window clears its label when it is activated,
// which happens shortly after it is shown.
constexpr int kRefreshMilliseconds = 50;

void ShowMessage(const QString& message) {
    FormStatus& status = Instance<FormStatus>();
    status.show();
    status.SetMessage(message);
}

} // namespace

void ShowStatus(const QString& message, int seconds) {
    const QPointer<QWidget> caller = QApplication::activeWindow();
    if (seconds > 0) {
        QEventLoop wait;
        QTimer refresh;
        refresh.setInterval(kRefreshMilliseconds);
        QObject::connect(&refresh, &QTimer::timeout, [&message] { ShowMessage(message); });
        QTimer end;
        end.setSingleShot(true);
        end.setTimerType(Qt::PreciseTimer);
        QObject::connect(&end, &QTimer::timeout, &wait, &QEventLoop::quit);
        ShowMessage(message);
        Instance<FormStatus>().raise();
        refresh.start();
        end.start(seconds * 1000);
        wait.exec();
    }
    UnloadInstance<FormStatus>();
    ReturnTo(caller);
}

} // namespace korvanta
