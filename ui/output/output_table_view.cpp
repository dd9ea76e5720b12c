#include "ui/output/output_table_view.h"

#include <QFrame>

#include "ui/common/dialogs.h"
#include "ui/common/form_font.h"
#include "ui/common/frame_lines.h"
#include "ui/common/services.h"
#include "ui/print/window_background.h"

namespace korvanta {

namespace {

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

void StyleOutputWindow(QWidget& window, const OutputTableView& view) {
    QFont font(QString::fromLatin1(kFormFontFamily));
    font.setPointSizeF(kFormFontPointSize);
    font.setBold(true);
    window.setFont(font);
    window.setFixedSize(window.size());
    SetBackground(window, ButtonFace());
    SetBackground(*view.pinionHeading, ButtonFace());
    SetBackground(*view.gearHeading, ButtonFace());
    for (const OutputRowWidgets& row : view.rows) {
        SetBackground(*row.caption, ButtonFace());
        SetBackground(*row.pinion, ButtonFace());
        SetBackground(*row.gear, ButtonFace());
    }
    // The rectangle and the rules are drawn over the table; the clicks go through them to the cells
    // and the note button underneath.
    for (QFrame* shape : window.findChildren<QFrame*>()) {
        if (shape->metaObject() == &QFrame::staticMetaObject) {
            shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
    DrawFrameLinesOnWholePixels(window);
}

void ShowTable(QWidget& window, const OutputTableView& view, const OutputTable& table) {
    window.setWindowTitle(Text(table.title));
    view.pinionHeading->setText(Text(table.columns[0]));
    view.gearHeading->setText(Text(table.columns[1]));
    for (std::size_t row = 0; row < view.rows.size(); ++row) {
        view.rows[row].caption->setText(Text(table.rows[row].caption));
        view.rows[row].pinion->setText(Text(table.rows[row].pinion));
        view.rows[row].gear->setText(Text(table.rows[row].gear));
    }
}

void ReportTable(const Services& services, const OutputTable& table) {
    for (const Message& warning : table.warnings) {
        services.dialogs->Show(warning);
    }
    if (table.fault) {
        services.dialogs->Show(table.fault->message);
    }
}

} // namespace korvanta
