#pragma once

#include <QPointer>
#include <QWidget>

namespace korvanta {

// Hooks of a top-level window of the program.
//
// Form_Activate runs when the window becomes the active one of the program's own windows after
// another of them was active (its first showing included). A message box closing, or the user coming
// back from another application, is not an activation of the window underneath; nor is the focus
// reaching a window that is closed or lies behind an open modal window.
class ProgramWindowHooks {
public:
    virtual ~ProgramWindowHooks() = default;
    virtual void Form_Activate() {}
};

// Installs the activation tracking on the application (once; called by the program and by tests).
void InstallActivationTracking();

// Forgets which window was active last (tests start each case from no active window).
void ResetActivationTracking();

// Shows the window modally: the caller waits until it is closed; the other windows take no input.
void ShowModal(QWidget* window);

// Activates the window again after a window it opened has gone, if it is still open.
void ReturnTo(const QPointer<QWidget>& window);

// Shows the window without blocking; an open window is brought forward and activated.
void ShowWindow(QWidget* window);

// Closes the window; its instance is released and the next use creates a fresh one.
void Unload(QWidget* window);

namespace detail {
bool IsUnloaded(const QWidget* window);
void MarkLoaded(QWidget* window);
} // namespace detail

// The single, globally reachable instance of a window class, created on first use.
template <class W> QPointer<W>& InstanceSlot() {
    static QPointer<W> slot;
    return slot;
}

template <class W> W& Instance() {
    QPointer<W>& slot = InstanceSlot<W>();
    if (slot.isNull() || detail::IsUnloaded(slot.data())) {
        slot = new W();
        slot->setAttribute(Qt::WA_DeleteOnClose);
        detail::MarkLoaded(slot.data());
    }
    return *slot;
}

// The instance if it is loaded, else nullptr.
template <class W> W* LoadedInstance() {
    QPointer<W>& slot = InstanceSlot<W>();
    if (slot.isNull() || detail::IsUnloaded(slot.data()))
        return nullptr;
    return slot.data();
}

// Disables or enables the window if it is loaded; an unloaded window is not created for this.
template <class W> void SetLoadedEnabled(bool enabled) {
    if (W* window = LoadedInstance<W>())
        window->setEnabled(enabled);
}

// Unloads the window if it is loaded.
template <class W> void UnloadInstance() {
    Unload(LoadedInstance<W>());
}

} // namespace korvanta
