#include "ui/common/program_window.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>

namespace korvanta {

namespace {

const char* const kLoadedProperty = "korvantaLoaded";
const char* const kUnloadedProperty = "korvantaUnloaded";

// Runs Activated when a program window becomes active after another program window (or none).
// Message boxes and other windows that are not program windows are ignored: they neither activate
// nor make the window underneath count as newly activated when they close.
class ActivationTracker : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::WindowActivate) {
            return false;
        }
        auto* window = qobject_cast<QWidget*>(watched);
        if (window == nullptr || !window->isWindow()) {
            return false;
        }
        auto* hooks = dynamic_cast<ProgramWindowHooks*>(window);
        if (hooks == nullptr) {
            return false;
        }
        if (!StillOpen(window) || BehindModalWindow(window)) {
            return false;
        }
        if (window == lastActive_ && StillOpen(lastActive_)) {
            return false;
        }
        lastActive_ = window;
        hooks->Activated();
        return false;
    }

    void Reset() { lastActive_.clear(); }

private:
    static bool StillOpen(const QPointer<QWidget>& window) {
        return !window.isNull() && window->isVisible() && !detail::IsUnloaded(window.data());
    }

    // The focus can be forced onto a window that a modal window keeps from taking input (by the user
    // through the window system, or late, after the window was closed); that is no activation: it
    // would disable other windows or open message boxes behind the modal one.
    static bool BehindModalWindow(const QWidget* window) {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal != window;
    }

    QPointer<QWidget> lastActive_;
};

ActivationTracker*& Tracker() {
    static ActivationTracker* tracker = nullptr;
    return tracker;
}

// Ends a local event loop when the watched window is hidden (closed, unloaded) or destroyed.
class HideWatcher : public QObject {
public:
    HideWatcher(QWidget* window, QEventLoop& loop) : loop_(loop) {
        window->installEventFilter(this);
        connect(window, &QObject::destroyed, &loop_, &QEventLoop::quit);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            loop_.quit();
        }
        return false;
    }

private:
    QEventLoop& loop_;
};

} // namespace

void InstallActivationTracking() {
    if (Tracker() != nullptr) {
        return;
    }
    Tracker() = new ActivationTracker();
    Tracker()->setParent(qApp);
    qApp->installEventFilter(Tracker());
}

void ResetActivationTracking() {
    if (Tracker() != nullptr) {
        Tracker()->Reset();
    }
}

HoldOpen::HoldOpen(QWidget* window) : window_(window) {
    if (window_ != nullptr) {
        window_->installEventFilter(this);
    }
}

HoldOpen::~HoldOpen() {
    if (!window_.isNull()) {
        window_->removeEventFilter(this);
    }
}

bool HoldOpen::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return false;
}

void ShowModal(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    QPointer<QWidget> guarded(window);
    const QPointer<QWidget> opener = QApplication::activeWindow();
    const HoldOpen held(opener);
    if (window->windowModality() != Qt::ApplicationModal) {
        // The modality of a window takes effect when it is shown.
        window->hide();
        window->setWindowModality(Qt::ApplicationModal);
    }
    QEventLoop loop;
    HideWatcher watcher(window, loop);
    window->show();
    window->raise();
    window->activateWindow();
    if (!guarded.isNull() && guarded->isVisible()) {
        loop.exec();
    }
    if (!guarded.isNull()) {
        guarded->removeEventFilter(&watcher);
    }
    ReturnTo(opener);
}

void OpenFrom(SessionWindow opener, OpenedWindow opened, QWidget* window) {
    if (Session::OpensModally(opener, opened)) {
        ShowModal(window);
    } else {
        ShowWindow(window);
    }
}

void ReturnTo(const QPointer<QWidget>& window) {
    if (!window.isNull() && window->isVisible() && !detail::IsUnloaded(window.data())) {
        window->activateWindow();
    }
}

void ShowWindow(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void Unload(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    window->setProperty(kUnloadedProperty, true);
    if (!window->close()) {
        window->setProperty(kUnloadedProperty, false); // held open by a wait of its own
    }
}

namespace detail {

// Qt clears WA_DeleteOnClose when a closed window has been handed over for deletion, which is how a
// loaded window closed by its frame counts as unloaded before it is actually destroyed.
bool IsUnloaded(const QWidget* window) {
    if (window->property(kUnloadedProperty).toBool()) {
        return true;
    }
    return window->property(kLoadedProperty).toBool() && !window->testAttribute(Qt::WA_DeleteOnClose);
}

void MarkLoaded(QWidget* window) {
    window->setProperty(kLoadedProperty, true);
}

} // namespace detail

} // namespace korvanta
