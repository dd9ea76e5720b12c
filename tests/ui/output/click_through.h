#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include "support/window_test.h"
#include "ui/common/program_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/output/output_window.h"
#include "ui/program_windows.h"

namespace korvanta::testing {

// Clicks as the window system delivers them, through whatever is drawn over the table: the note
// button opens its note window (closed again at once), and every cell takes the focus.
inline void ExpectClicksReachTheNoteButtonAndEveryCell(OutputWindow& window) {
    bool noteOpened = false;
    QTimer::singleShot(50, [&noteOpened, kind = window.Kind()] {
        FormDiameterNote* note = Windows().LoadedNote(kind);
        noteOpened = note != nullptr && note->isVisible();
        Unload(note);
    });
    ClickThroughWindow(Control<QPushButton>(window, "Command4"));
    EXPECT_TRUE(noteOpened);
    ASSERT_TRUE(Activate(window));
    const QList<QLineEdit*> cells = window.findChildren<QLineEdit*>();
    EXPECT_EQ(cells.size(), 38);
    for (QLineEdit* cell : cells) {
        ClickThroughWindow(*cell);
        EXPECT_EQ(QApplication::focusWidget(), cell) << cell->objectName().toStdString();
    }
}

} // namespace korvanta::testing
