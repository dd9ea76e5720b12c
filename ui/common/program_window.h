#pragma once

#include <QPointer>
#include <QWidget>

#include "logic/session.h"

namespace korvanta {

// Hooks of a top-level window of the program.
//
// Activated runs when the window becomes the active one of the program's own windows after
// another of them was active (its first showing included). A message box closing, or the user coming
// back from another application, is not an activation of the window underneath; nor is the focus
// reaching a window that is closed or lies behind an open modal window.
class ProgramWindowHooks {
public:
    virtual ~ProgramWindowHooks() = default;
    virtual void Activated() {}
    // Asked before the window closes (by the user, the program or Unload); false keeps it open.
    virtual bool MayClose() { return true; }
};

// Installs the activation tracking on the application (once; called by the program and by tests).
void InstallActivationTracking();

// Forgets which window was active last (tests start each case from no active window).
void ResetActivationTracking();

// Keeps a window open for as long as it lives: a close that arrives meanwhile (the window system's
// request, or close() from a timer) is refused. Every modal wait (a message box, a question, the file
// dialog, a window shown modally) holds the window it is shown over, so that no window is deleted
// under a flow of its own that waits; the flow goes on with its window as it was.
class HoldOpen : public QObject {
public:
    explicit HoldOpen(QWidget* window);
    ~HoldOpen() override;
    HoldOpen(const HoldOpen&) = delete;
    HoldOpen& operator=(const HoldOpen&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> window_;
};

// Shows the window modally: the caller waits until it is closed; the other windows take no input, and
// the window that was active is held open meanwhile.
void ShowModal(QWidget* window);

// Shows a window the user opened from `opener`: modally or beside it, as the session's rules say.
void OpenFrom(SessionWindow opener, OpenedWindow opened, QWidget* window);

// Activates the window again after a window it opened has gone, if it is still open.
void ReturnTo(const QPointer<QWidget>& window);

// Shows the window without blocking; an open window is brought forward and activated.
void ShowWindow(QWidget* window);

// Closes the window; its instance is released and the next use creates a fresh one (ProgramWindows).
void Unload(QWidget* window);

namespace detail {
bool IsUnloaded(const QWidget* window);
void MarkLoaded(QWidget* window);
} // namespace detail

} // namespace korvanta
