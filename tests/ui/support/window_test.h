#pragma once

#include <QLineEdit>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "core/pair_kind.h"
#include "logic/calculate.h"
#include "logic/session.h"
#include "recording_browser.h"
#include "recording_dialogs.h"
#include "test_services.h"
#include "ui/program_windows.h"

namespace korvanta::testing {

// Thrown by Control for a control the window does not have.
struct MissingControl : std::runtime_error {
    explicit MissingControl(const char* name) : std::runtime_error(std::string("missing control ") + name) {}
};

// How long the splash and the status messages stay in a window test unless the test says otherwise.
inline constexpr std::chrono::milliseconds kTestSplash{100};
inline constexpr std::chrono::milliseconds kTestStatus{0};

// Base of the window tests: message boxes and the browser are recorded, the splash and the status are
// short, each test has a session of its own (the gear pair from the start-up constants) with its
// windows, and every window is unloaded afterwards with the activation tracking forgotten.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    RecordingDialogs dialogs;
    RecordingBrowser browser;
};

// The session and the windows of the running test, as the program's entry point owns them.
Session& TheSession();
ProgramWindows& Windows();
GearPairState& State();

// The named control of a window; a missing control fails the test (the caller's ASSERT stops it)
// instead of being dereferenced.
template <class W> W* FindControl(QWidget& window, const char* name) {
    W* control = window.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << "no control " << name << " in " << window.objectName().toStdString();
    return control;
}

// The named control of a window. A missing control fails the test and ends it at once: the exception
// is caught by the test framework and reported as a failure, never dereferenced.
template <class W> W& Control(QWidget& window, const char* name) {
    W* control = FindControl<W>(window, name);
    if (control == nullptr) {
        throw MissingControl(name);
    }
    return *control;
}

// Chooses the kind of pair in the input window and types every field as a user does, leaving each
// with Tab.
void EnterPair(QWidget& input, PairKind kind, const FieldTexts& texts);

// Shows the window and waits until it is the active window (true when it became active).
bool ShowActive(QWidget& window);

// Activates an already shown window and waits for it (true when it became active).
bool Activate(QWidget& window);

// A left click as the window system delivers it: to whatever control lies on top at the centre of
// the target in its window (QTest's clicks on a widget reach that widget even when it is covered).
void ClickThroughWindow(QWidget& target);

// Pastes the text into the box with the middle button, from the X11 primary selection. False where the
// platform has no primary selection (the offscreen one).
bool MiddleClickPaste(QLineEdit& box, const QString& text);

// Drops the text onto the box as a drag from another program does.
void DropText(QLineEdit& box, const QString& text);

// Every label of the window shows its whole text within its own width.
void ExpectLabelsFit(QWidget& window);

// Closes every top-level window and lets Qt delete those that delete themselves on close.
void UnloadAllWindows();

} // namespace korvanta::testing
