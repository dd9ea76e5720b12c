#include "ui/output/output_window_form.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QWidget>
#include <string>

#include "ui/output/output_window_description.h"

namespace korvanta {

namespace {

constexpr int kWindowHeight = 567;

// The frame of the table; its top row holds the unit sign and the column headings.
constexpr int kFrameLeft = 30;
constexpr int kFrameTop = 10;
constexpr int kHeadingTop = 15;
constexpr QRect kUnitSign(45, 15, 230, 17);

// Every row is ruled off from the one above it a little over its caption, and the last row is closed
// by the frame a little lower than a rule would stand.
constexpr int kRowPitch = 25;
constexpr int kRuleAboveCaption = 5;
constexpr int kFrameBelowLastCaption = 22;

constexpr int kCaptionLeft = 45;
constexpr int kTextHeight = 17; // captions and headings
constexpr int kCellWidth = 121; // cells and headings
constexpr int kCellHeight = 20;
constexpr int kColumnRuleBeforeCells = 10;

constexpr QSize kNoteButtonSize(37, 21);

// The buttons below the table, left to right.
struct ButtonOfTheWindow {
    const char* name;
    const char* text;
    int width;
};
constexpr ButtonOfTheWindow kButtons[] = {
    {"CommandClose", "&Close", 91},
    {"Command2", "&Print", 86},
    {"Command3", "E&xit Program", 91},
    {"Command1", "Roll && Pressure Angle-Calc", 171},
};
constexpr int kButtonTop = 525;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 19;

int CaptionTop(const OutputTableGeometry& geometry, int row) {
    return geometry.firstCaptionTop + row * kRowPitch;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

template <class W> W* Add(QWidget& window, const QString& name, const QRect& geometry) {
    auto* control = new W(&window);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

template <class W> W* Add(QWidget& window, const char* name, const QRect& geometry) {
    return Add<W>(window, QString::fromLatin1(name), geometry);
}

QLabel* AddLabel(QWidget& window, const char* name, const QRect& geometry, const std::string& text) {
    auto* label = Add<QLabel>(window, name, geometry);
    label->setText(Text(text));
    return label;
}

QLineEdit* AddCell(QWidget& window, const char* name, int left, int captionTop) {
    auto* cell = Add<QLineEdit>(window, name, QRect(left, captionTop - 1, kCellWidth, kCellHeight));
    cell->setReadOnly(true);
    return cell;
}

void AddRule(QWidget& window, const QString& name, const QRect& geometry, QFrame::Shape shape) {
    auto* rule = Add<QFrame>(window, name, geometry);
    rule->setFrameShape(shape);
    rule->setFrameShadow(QFrame::Plain);
}

} // namespace

OutputTableView BuildOutputWindowForm(QWidget& window, const OutputWindowDescription& description) {
    const OutputTableGeometry& geometry = description.geometry;
    const OutputTable& fresh = description.newTable();
    window.setObjectName(QString::fromLatin1(description.objectName));
    window.resize(geometry.windowWidth, kWindowHeight);
    window.setWindowTitle(Text(fresh.title));

    // The controls are made row by row, caption, pinion, gear, then the buttons: the order in which
    // they are made is the order Tab takes through them.
    OutputTableView view;
    view.pinionHeading =
        AddLabel(window, "Label3", QRect(geometry.headingLeft[0], kHeadingTop, kCellWidth, kTextHeight),
                 fresh.columns[0]);
    view.gearHeading =
        AddLabel(window, "Label4", QRect(geometry.headingLeft[1], kHeadingTop, kCellWidth, kTextHeight),
                 fresh.columns[1]);
    for (int row = 0; row < kOutputRowCount; ++row) {
        const OutputRowNames& names = description.rows[row];
        const int top = CaptionTop(geometry, row);
        const int captionWidth = row == static_cast<int>(OutputRow::TIFDiameter)
                                     ? geometry.formDiameterCaptionWidth
                                     : geometry.captionWidth;
        view.rows[row].caption =
            AddLabel(window, names.caption, QRect(kCaptionLeft, top, captionWidth, kTextHeight),
                     fresh.rows[row].caption);
        view.rows[row].pinion = AddCell(window, names.pinion, geometry.cellLeft[0], top);
        view.rows[row].gear = AddCell(window, names.gear, geometry.cellLeft[1], top);
    }

    Add<QPushButton>(window, "Command4", QRect(geometry.noteButton, kNoteButtonSize))
        ->setToolTip(QStringLiteral("Form Diameter Info"));
    int buttonLeft = geometry.firstButtonLeft;
    for (const ButtonOfTheWindow& button : kButtons) {
        Add<QPushButton>(window, button.name, QRect(buttonLeft, kButtonTop, button.width, kButtonHeight))
            ->setText(QString::fromLatin1(button.text));
        buttonLeft += button.width + kButtonGap;
    }

    // The frame and the rules are made after the cells and buttons, so that they are drawn over them.
    const int frameBottom = CaptionTop(geometry, kOutputRowCount - 1) + kFrameBelowLastCaption;
    const QRect frame(kFrameLeft, kFrameTop, geometry.frameWidth, frameBottom - kFrameTop);
    AddRule(window, QStringLiteral("Shape1"), frame, QFrame::Box);
    // The rules are numbered in the order they are made: the column rules, then the rules above the rows.
    int ruleNumber = 1;
    for (const int cellLeft : geometry.cellLeft) {
        AddRule(window, QStringLiteral("Line%1").arg(ruleNumber++),
                QRect(cellLeft - kColumnRuleBeforeCells, frame.top(), 1, frame.height()), QFrame::VLine);
    }
    for (int row = 0; row < kOutputRowCount; ++row) {
        AddRule(window, QStringLiteral("Line%1").arg(ruleNumber++),
                QRect(frame.left(), CaptionTop(geometry, row) - kRuleAboveCaption, frame.width(), 1),
                QFrame::HLine);
    }

    Add<QLabel>(window, "LabelUnit", kUnitSign);
    return view;
}

} // namespace korvanta
