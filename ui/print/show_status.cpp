#include "ui/print/show_status.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <utility>

#include "ui/common/program_window.h"
#include "ui/common/services.h"
#include "ui/print/status_window.h"
#include "ui/program_windows.h"

namespace korvanta {

namespace {

// The status window clears its label when it is activated, which happens after it is shown; the
// message is put back at each activation (the window's own handler has run by then). One keeper per
// status shown: it lives on the status window until that status ends or a newer one replaces it.
class KeepMessage : public QObject {
public:
    static constexpr const char* kName = "statusMessageKeeper";

    KeepMessage(StatusWindow& status, QString message)
        : QObject(&status), status_(status), message_(std::move(message)) {
        setObjectName(QLatin1String(kName));
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
    const QString message_;
};

} // namespace

void ShowStatus(ProgramWindows& windows, const QString& message, QObject* owner, std::function<void()> then) {
    const QPointer<QObject> caller(owner);
    const bool owned = owner != nullptr;
    auto next = [caller, owned, then = std::move(then)] {
        if (then && (!owned || !caller.isNull())) {
            then();
        }
    };
    const std::chrono::milliseconds duration = windows.services().statusDuration;
    if (duration.count() <= 0) {
        next();
        return;
    }
    const QPointer<QWidget> active = QApplication::activeWindow();
    StatusWindow& status = windows.Status();
    delete status.findChild<QObject*>(QLatin1String(KeepMessage::kName), Qt::FindDirectChildrenOnly);
    const QPointer<KeepMessage> shown = new KeepMessage(status, message);
    status.show();
    status.raise();
    // Timed on the windows of the run, not on the status window: closing the status window early
    // must not lose the caller's next step.
    QTimer::singleShot(duration, Qt::PreciseTimer, &windows.Lifetime(), [&windows, shown, active, next] {
        if (!shown.isNull()) {
            Unload(windows.LoadedStatus());
            ReturnTo(active);
        }
        next();
    });
}

} // namespace korvanta
