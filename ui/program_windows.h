#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <utility>

#include "core/pair_kind.h"
#include "logic/session.h"
#include "ui/common/services.h"

namespace korvanta {

class AboutWindow;
class DiagramWindow;
class FormDiameterNote;
class HelpWindow;
class InputWindow;
class LicenseWindow;
class LimitationsWindow;
class MeasurementsWindow;
class MeshWindow;
class OutputWindow;
class SheetWindow;
class SplashWindow;
class StatusWindow;

// The windows of one run of the program, each a single instance: created on first use, released
// when it is closed (unloaded), so that a later use gets a fresh one; asking for an open window gives
// that window. Owned by the program's entry point (and by each window test), handed to every window;
// it holds the services the windows reach outside the program with, tells the session which windows
// exist and are shown, and carries out the session's enabling.
class ProgramWindows {
public:
    ProgramWindows(Session& session, Services& services);
    ~ProgramWindows();
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    Session& session() { return session_; }
    GearPairState& State() { return session_.State(); }
    Services& services() { return services_; }
    // Lives as long as the windows of the run: the context of their timers that outlast a window.
    QObject& Lifetime() { return lifetime_; }
    // The pair file named on the command line, opened once the input window is first shown.
    void OpenAtStart(QString fileName) { startFile_ = std::move(fileName); }
    QString TakeStartFile() { return std::exchange(startFile_, QString()); }

    SplashWindow& Splash();
    InputWindow& Input();
    OutputWindow& Output(PairKind kind);
    DiagramWindow& Diagram();
    FormDiameterNote& Note(PairKind kind);
    HelpWindow& Help();
    LimitationsWindow& Limitations();
    LicenseWindow& License();
    AboutWindow& About();
    StatusWindow& Status();
    MeasurementsWindow& Measurements();
    SheetWindow& Sheet();
    MeshWindow& Mesh();

    // The window if it exists and has not been closed, else nullptr; none is created for this.
    SplashWindow* LoadedSplash() const;
    InputWindow* LoadedInput() const;
    OutputWindow* LoadedOutput(PairKind kind) const;
    DiagramWindow* LoadedDiagram() const;
    FormDiameterNote* LoadedNote(PairKind kind) const;
    HelpWindow* LoadedHelp() const;
    LimitationsWindow* LoadedLimitations() const;
    LicenseWindow* LoadedLicense() const;
    AboutWindow* LoadedAbout() const;
    StatusWindow* LoadedStatus() const;
    MeasurementsWindow* LoadedMeasurements() const;
    SheetWindow* LoadedSheet() const;
    MeshWindow* LoadedMesh() const;

private:
    template <class W, class Create> W& Get(QPointer<W>& slot, Create create);
    template <class W> W& Track(W* window, SessionWindow role);
    QWidget* WindowOf(SessionWindow role) const;

    Session& session_;
    Services& services_;
    QObject lifetime_;
    bool releasing_ = false; // the destructor is deleting the windows
    QString startFile_;
    QPointer<SplashWindow> splash_;
    QPointer<InputWindow> input_;
    std::array<QPointer<OutputWindow>, 2> outputs_;
    QPointer<DiagramWindow> diagram_;
    std::array<QPointer<FormDiameterNote>, 2> notes_;
    QPointer<HelpWindow> help_;
    QPointer<LimitationsWindow> limitations_;
    QPointer<LicenseWindow> license_;
    QPointer<AboutWindow> about_;
    QPointer<StatusWindow> status_;
    QPointer<MeasurementsWindow> measurements_;
    QPointer<SheetWindow> sheet_;
    QPointer<MeshWindow> mesh_;
};

} // namespace korvanta
