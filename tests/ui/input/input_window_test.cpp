#include "input_window_test.h"

#include <QApplication>
#include <QTest>

namespace korvanta::testing {

void InputWindowTest::SetUp() {
    WindowTest::SetUp();
    window = &testing::Windows().Input();
    ASSERT_TRUE(ShowActive(*window));
}

QLineEdit& InputWindowTest::Field(const char* name) const {
    return Control<QLineEdit>(name);
}

void InputWindowTest::TypeInto(const char* name, const QString& keys) const {
    QLineEdit& field = Field(name);
    field.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&field, keys);
}

void InputWindowTest::Enter(const char* name, const QString& keys) const {
    TypeInto(name, keys);
    PressTab(name);
}

void InputWindowTest::PressTab(const char* name) const {
    QTest::keyClick(&Field(name), Qt::Key_Tab);
}

void InputWindowTest::ClickCalculate() const {
    QTest::mouseClick(&Control<QPushButton>("Command1"), Qt::LeftButton);
}

QWidget* InputWindowTest::Focused() const {
    return QApplication::focusWidget();
}

} // namespace korvanta::testing
