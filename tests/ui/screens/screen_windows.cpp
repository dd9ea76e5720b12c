#include <gtest/gtest.h>

#include "screens/screen_windows.h"

#include <QTest>

#include "output/pair_setup.h"
#include "support/window_test.h"
#include "ui/diagram/diagram_window.h"
#include "ui/info/about_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/info/help_window.h"
#include "ui/info/license_window.h"
#include "ui/info/limitations_window.h"
#include "ui/measure/measurements_window.h"
#include "ui/print/status_window.h"

namespace korvanta::testing {

namespace {

QWidget& Shown(QWidget& window) {
    EXPECT_TRUE(ShowActive(window)) << window.objectName().toStdString();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window, 2000));
    return window;
}

QWidget& OutputOf(bool external) {
    CalculatePair(external, external ? kExternalSpurPair : kInternalSpurPair);
    return Shown(Windows().Output(external ? PairKind::External : PairKind::Internal));
}

} // namespace

std::vector<ScreenWindowCase> EveryWindow() {
    return {
        {"Input", []() -> QWidget& { return Shown(Windows().Input()); }},
        {"Help", []() -> QWidget& { return Shown(Windows().Help()); }},
        {"About", []() -> QWidget& { return Shown(Windows().About()); }},
        {"Licence", []() -> QWidget& { return Shown(Windows().License()); }},
        {"Limitations", []() -> QWidget& { return Shown(Windows().Limitations()); }},
        {"ExternalNote", []() -> QWidget& { return Shown(Windows().Note(PairKind::External)); }},
        {"InternalNote", []() -> QWidget& { return Shown(Windows().Note(PairKind::Internal)); }},
        {"Status", []() -> QWidget& { return Shown(Windows().Status()); }},
        {"ExternalOutput", []() -> QWidget& { return OutputOf(true); }},
        {"InternalOutput", []() -> QWidget& { return OutputOf(false); }},
        {"Diagram",
         []() -> QWidget& {
             OutputOf(true);
             return Shown(Windows().Diagram());
         }},
        {"Measurements",
         []() -> QWidget& {
             OpenMeasurements(Windows(), OutputOf(true));
             return Shown(Windows().Measurements());
         }},
    };
}

qreal Ratio(const QWidget& window) {
    return window.devicePixelRatioF();
}

} // namespace korvanta::testing
