#pragma once

#include <QObject>
#include <QString>
#include <functional>

namespace korvanta {

class ProgramWindows;

// Shows the status window with the message for the services' status duration without holding up the
// caller or running an event loop of its own: the program goes on taking events, and a single-shot
// timer then unloads the status window, activates again the window that was active, and runs `then`.
// `then` is the caller's next step; it does not run when `owner` (the caller's window) has been
// deleted meanwhile, so a window closed during its status is never used again. A duration of 0 shows
// nothing and runs `then` at once. A newer status replaces an older one still shown.
void ShowStatus(ProgramWindows& windows, const QString& message, QObject* owner = nullptr,
                std::function<void()> then = {});

} // namespace korvanta
