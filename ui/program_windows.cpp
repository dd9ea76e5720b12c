#include "ui/program_windows.h"

#include <QEvent>
#include <functional>
#include <utility>

#include "ui/common/program_window.h"
#include "ui/common/screen_fit.h"
#include "ui/common/window_keys.h"
#include "ui/diagram/diagram_window.h"
#include "ui/info/about_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/info/help_window.h"
#include "ui/info/license_window.h"
#include "ui/info/limitations_window.h"
#include "ui/input/input_window.h"
#include "ui/input/splash_window.h"
#include "ui/measure/measurements_window.h"
#include "ui/mesh/mesh_window.h"
#include "ui/output/output_window.h"
#include "ui/print/status_window.h"
#include "ui/sheet/sheet_window.h"

namespace korvanta {

namespace {

template <class W> W* Loaded(const QPointer<W>& slot) {
    if (slot.isNull() || detail::IsUnloaded(slot.data())) {
        return nullptr;
    }
    return slot.data();
}

// Tells the session what happens to one of the windows its rules name: shown, hidden, closed, or
// destroyed without having been closed.
class SessionReporter : public QObject {
public:
    SessionReporter(QWidget& window, Session& session, SessionWindow role, std::function<bool()> replaced)
        : QObject(&window), session_(session), role_(role), replaced_(std::move(replaced)) {
        window.installEventFilter(this);
        session_.Created(role_);
    }

    ~SessionReporter() override {
        if (!closed_ && !replaced_()) {
            session_.Closing(role_);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Show:
            if (!closed_) {
                session_.Shown(role_, true);
            }
            break;
        case QEvent::Hide:
            if (!closed_) {
                session_.Shown(role_, false);
            }
            break;
        case QEvent::Close:
            // A window another one holds disabled takes no input, and the window system's close
            // request (its title bar's button, Alt+F4) is input like any other: it is ignored.
            if (event->spontaneous() && !static_cast<QWidget*>(watched)->isEnabled()) {
                event->ignore();
                return true;
            }
            // Asked before the session hears of the closing, so that a window kept open stays in it.
            if (auto* hooks = dynamic_cast<ProgramWindowHooks*>(watched);
                hooks != nullptr && !closed_ && !hooks->MayClose()) {
                event->ignore();
                return true;
            }
            if (!closed_) {
                closed_ = true;
                session_.Closing(role_);
            }
            break;
        default:
            break;
        }
        return false;
    }

private:
    Session& session_;
    SessionWindow role_;
    std::function<bool()> replaced_; // a newer window has taken the role
    bool closed_ = false;
};

} // namespace

ProgramWindows::ProgramWindows(Session& session, Services& services)
    : session_(session), services_(services) {
    InstallHelpKey(*this);
    session_.SetEnableWindow([this](SessionWindow role, bool enabled) {
        if (QWidget* window = WindowOf(role)) {
            window->setEnabled(enabled);
        }
    });
}

ProgramWindows::~ProgramWindows() {
    session_.SetEnableWindow({});
    releasing_ = true;
    for (QWidget* window : std::initializer_list<QWidget*>{
             splash_, input_, outputs_[0], outputs_[1], diagram_, notes_[0], notes_[1], help_, limitations_,
             license_, about_, status_, measurements_, sheet_, mesh_}) {
        delete window;
    }
}

template <class W, class Create> W& ProgramWindows::Get(QPointer<W>& slot, Create create) {
    if (Loaded(slot) == nullptr) {
        slot = create();
        FitToScreen(*slot);
        slot->setAttribute(Qt::WA_DeleteOnClose);
        detail::MarkLoaded(slot.data());
    }
    return *slot;
}

template <class W> W& ProgramWindows::Track(W* window, SessionWindow role) {
    new SessionReporter(*window, session_, role, [this, role, window] {
        // The windows of the run are going with it: none to look up (a window half destroyed is no
        // longer of its own type), nothing to tell the session.
        if (releasing_) {
            return true;
        }
        const QWidget* current = WindowOf(role);
        return current != nullptr && current != window;
    });
    return *window;
}

QWidget* ProgramWindows::WindowOf(SessionWindow role) const {
    switch (role) {
    case SessionWindow::Input:
        return LoadedInput();
    case SessionWindow::ExternalOutput:
        return Loaded(outputs_[IndexOf(PairKind::External)]);
    case SessionWindow::InternalOutput:
        return Loaded(outputs_[IndexOf(PairKind::Internal)]);
    case SessionWindow::Diagram:
        return LoadedDiagram();
    case SessionWindow::Limitations:
        return LoadedLimitations();
    }
    return nullptr;
}

SplashWindow& ProgramWindows::Splash() {
    return Get(splash_, [this] { return new SplashWindow(*this); });
}

InputWindow& ProgramWindows::Input() {
    return Get(input_, [this] { return &Track(new InputWindow(*this), SessionWindow::Input); });
}

OutputWindow& ProgramWindows::Output(PairKind kind) {
    return Get(outputs_[IndexOf(kind)],
               [this, kind] { return &Track(new OutputWindow(*this, kind), OutputWindowOf(kind)); });
}

DiagramWindow& ProgramWindows::Diagram() {
    return Get(diagram_, [this] { return &Track(new DiagramWindow(*this), SessionWindow::Diagram); });
}

FormDiameterNote& ProgramWindows::Note(PairKind kind) {
    return Get(notes_[IndexOf(kind)], [kind] { return new FormDiameterNote(kind); });
}

HelpWindow& ProgramWindows::Help() {
    return Get(help_, [] { return new HelpWindow(); });
}

LimitationsWindow& ProgramWindows::Limitations() {
    return Get(limitations_,
               [this] { return &Track(new LimitationsWindow(*this), SessionWindow::Limitations); });
}

LicenseWindow& ProgramWindows::License() {
    return Get(license_, [] { return new LicenseWindow(); });
}

AboutWindow& ProgramWindows::About() {
    return Get(about_, [this] { return new AboutWindow(services_); });
}

StatusWindow& ProgramWindows::Status() {
    return Get(status_, [] { return new StatusWindow(); });
}

// Modeless and none of the windows the session enables or disables: it measures a copy of the pair,
// so it may stay open beside the others, and closing the window it was opened from leaves it as it is.
MeasurementsWindow& ProgramWindows::Measurements() {
    return Get(measurements_, [this] { return new MeasurementsWindow(*this); });
}

// Modeless like the measurements window: it makes its sheet from a copy of the pair.
SheetWindow& ProgramWindows::Sheet() {
    return Get(sheet_, [this] { return new SheetWindow(*this); });
}

// Modeless beside the others, as the measurements window: it draws a copy of the pair.
MeshWindow& ProgramWindows::Mesh() {
    return Get(mesh_, [this] { return new MeshWindow(*this); });
}

SplashWindow* ProgramWindows::LoadedSplash() const {
    return Loaded(splash_);
}

InputWindow* ProgramWindows::LoadedInput() const {
    return Loaded(input_);
}

OutputWindow* ProgramWindows::LoadedOutput(PairKind kind) const {
    return Loaded(outputs_[IndexOf(kind)]);
}

DiagramWindow* ProgramWindows::LoadedDiagram() const {
    return Loaded(diagram_);
}

FormDiameterNote* ProgramWindows::LoadedNote(PairKind kind) const {
    return Loaded(notes_[IndexOf(kind)]);
}

HelpWindow* ProgramWindows::LoadedHelp() const {
    return Loaded(help_);
}

LimitationsWindow* ProgramWindows::LoadedLimitations() const {
    return Loaded(limitations_);
}

LicenseWindow* ProgramWindows::LoadedLicense() const {
    return Loaded(license_);
}

AboutWindow* ProgramWindows::LoadedAbout() const {
    return Loaded(about_);
}

StatusWindow* ProgramWindows::LoadedStatus() const {
    return Loaded(status_);
}

MeasurementsWindow* ProgramWindows::LoadedMeasurements() const {
    return Loaded(measurements_);
}

SheetWindow* ProgramWindows::LoadedSheet() const {
    return Loaded(sheet_);
}

MeshWindow* ProgramWindows::LoadedMesh() const {
    return Loaded(mesh_);
}

} // namespace korvanta
