#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

#include "support/window_test.h"
#include "ui/input/input_window.h"

namespace korvanta::testing {

// The input window shown and active, driven through key and mouse events on its controls.
class InputWindowTest : public WindowTest {
protected:
    void SetUp() override;

    QLineEdit& Field(const char* name) const;
    template <class W> W& Control(const char* name) const { return testing::Control<W>(*window, name); }

    // Moves the focus into the field as Tab would, then types the keys (the entry selects the text, so
    // the typing replaces it).
    void TypeInto(const char* name, const QString& keys) const;
    // TypeInto, then Tab to leave the field.
    void Enter(const char* name, const QString& keys) const;
    void PressTab(const char* name) const;
    void ClickCalculate() const;
    QWidget* Focused() const;

    InputWindow* window = nullptr;
};

} // namespace korvanta::testing
