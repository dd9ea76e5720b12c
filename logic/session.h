#pragma once

#include <array>
#include <functional>
#include <optional>

#include "core/gear_pair_state.h"
#include "core/inspection_measurements.h"
#include "core/pair_kind.h"
#include "core/pair_solution.h"
#include "logic/pair_file.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// The windows whose opening and closing takes input away from another window or gives it back.
enum class SessionWindow { Input, ExternalOutput, InternalOutput, Diagram, Limitations };

SessionWindow OutputWindowOf(PairKind kind);

// The windows the user opens from another window.
enum class OpenedWindow { Output, Help, License, Limitations, About, Diagram, FormDiameterNote };

// One run of the program: the gear pair every window reads and writes (with the angle constants in
// force and the diagram's member), and which windows exist, are shown and take input.
//
// The windows are views: they report being created, shown, hidden, activated and closed, and the
// session decides which windows are disabled or enabled again. A window that must not take input
// while another is open is disabled by the other's activation and enabled again by its closing: the
// output windows and the limitations window hold the input window, the diagram holds the input window
// and the output window of the pair's kind. Enabling never stops at a window that is still held, so
// no order of activations and closes leaves the user without an enabled window to go back to.
class Session {
public:
    // Called with a window that exists and is to be enabled (true) or disabled (false).
    using EnableWindow = std::function<void(SessionWindow, bool)>;

    Session();

    GearPairState& State() { return state_; }
    const GearPairState& State() const { return state_; }

    // The pin or ball diameters and teeth spanned typed in the measurements window, kept for the
    // pair when the window is closed and opened again or measures the pair anew.
    PerMember<MeasurementChoice>& MeasurementChoices() { return measurementChoices_; }
    const PerMember<MeasurementChoice>& MeasurementChoices() const { return measurementChoices_; }

    // Who and what the pair belongs to, kept in its file and shown on what is printed of it.
    JobData& Job() { return job_; }
    const JobData& Job() const { return job_; }

    // What the inspection sheet needs beyond the pair, kept in its file with the job data.
    SheetEntries& Sheet() { return sheet_; }
    const SheetEntries& Sheet() const { return sheet_; }

    // The pair as an output window calculated it last, measured with the typed tools; the values the
    // calculation leaves for the diagram are kept in the state (KeepCalculatedValues).
    void Solved(PairSolution solution);
    // The last solution, while the state still holds the entries it was calculated from.
    const PairSolution* SolutionOfEntries() const;
    // The last solution, whatever has been entered since; none before the first.
    const PairSolution* LastSolution() const { return solution_ ? &*solution_ : nullptr; }

    void SetEnableWindow(EnableWindow enable);

    // Whether a window opened from `opener` opens modally: the opener waits until it is closed and no
    // other window takes input meanwhile. Every other window opens beside its opener.
    static bool OpensModally(SessionWindow opener, OpenedWindow opened);

    void Created(SessionWindow window);
    void Shown(SessionWindow window, bool shown);
    void Activated(SessionWindow window);
    // Closing a window unloads it: it no longer exists, and gives back what it held.
    void Closing(SessionWindow window);

    // Enables the window if it exists, whatever holds it.
    void Enable(SessionWindow window);

    bool Exists(SessionWindow window) const;
    bool IsOpen(SessionWindow window) const; // exists and is shown
    bool IsEnabled(SessionWindow window) const;

private:
    struct WindowState {
        bool exists = false;
        bool shown = false;
        bool enabled = true;
    };

    void SetEnabled(SessionWindow window, bool enabled);
    void EnableWindowsNoLongerHeld();
    WindowState& Of(SessionWindow window);
    const WindowState& Of(SessionWindow window) const;

    GearPairState state_;
    PerMember<MeasurementChoice> measurementChoices_{};
    std::optional<PairSolution> solution_;
    JobData job_;
    SheetEntries sheet_;
    EnableWindow enable_;
    std::array<WindowState, 5> windows_{};
};

} // namespace korvanta
