#include "ui/output/output_window.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <algorithm>
#include <string_view>

#include "cli/table_export.h"
#include "logic/row_tooltips.h"
#include "ui/common/length_caption.h"
#include "ui/common/program_window.h"
#include "ui/diagram/diagram_window.h"
#include "ui/info/form_diameter_note.h"
#include "ui/input/input_window.h"
#include "ui/measure/measurements_window.h"
#include "ui/mesh/mesh_window.h"
#include "ui/output/info_icon.h"
#include "ui/output/output_print.h"
#include "ui/output/output_window_description.h"
#include "ui/output/output_window_form.h"
#include "ui/program_windows.h"
#include "ui/sheet/sheet_window.h"

namespace korvanta {

namespace {

template <class W> W* Named(const QWidget& window, const char* name) {
    return window.findChild<W*>(QString::fromLatin1(name));
}

bool KeptGrey(const QWidget& control) {
    const QByteArray name = control.objectName().toLatin1();
    return std::any_of(kKeptGreyOnPrintout.begin(), kKeptGreyOnPrintout.end(),
                       [&name](const char* kept) { return name == kept; });
}

} // namespace

OutputWindow::OutputWindow(ProgramWindows& windows, PairKind kind, QWidget* parent)
    : QWidget(parent), windows_(windows), description_(DescriptionOf(kind)), table_(description_.newTable()) {
    view_ = BuildOutputWindowForm(*this, description_);
    for (std::size_t row = 0; row < view_.rows.size(); ++row) {
        const std::string_view tooltip = RowTooltip(static_cast<OutputRow>(row), windows_.State().Unit);
        view_.rows[row].caption->setToolTip(
            QString::fromUtf8(tooltip.data(), static_cast<qsizetype>(tooltip.size())));
    }
    StyleOutputWindow(*this, view_);
    if (description_.headingPointSize) {
        QFont headingFont = font();
        headingFont.setPointSizeF(*description_.headingPointSize);
        view_.pinionHeading->setFont(headingFont);
        view_.gearHeading->setFont(headingFont);
    }
    Button("Command4").setIcon(InfoIcon());
    Button("Command4").setIconSize(QSize(kInfoIconSize, kInfoIconSize));

    connect(&Button("Command1"), &QPushButton::clicked, this, &OutputWindow::openDiagram);
    connect(&Button("Command2"), &QPushButton::clicked, this, &OutputWindow::print);
    connect(&Button("Command3"), &QPushButton::clicked, this, &OutputWindow::exitProgram);
    connect(&Button("Command4"), &QPushButton::clicked, this, &OutputWindow::openFormDiameterNote);
    connect(&Button("CommandClose"), &QPushButton::clicked, this, &OutputWindow::closeWindow);

    // The measurements of the pair shown: Ctrl+M, or the menu of a right click on the table.
    measurementsAction_ = new QAction(QStringLiteral("Inspection &Measurements..."), this);
    measurementsAction_->setObjectName(QStringLiteral("ActionMeasurements"));
    measurementsAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
    measurementsAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(measurementsAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(measurementsAction_, &QAction::triggered, this, &OutputWindow::openMeasurements);
    // The inspection sheet of the pair shown, from the same menus.
    sheetAction_ = new QAction(QStringLiteral("Inspection &Sheet..."), this);
    sheetAction_->setObjectName(QStringLiteral("ActionSheet"));
    addAction(sheetAction_);
    connect(sheetAction_, &QAction::triggered, this, [this] { OpenSheet(windows_, *this); });
    // The pair in mesh: Ctrl+Shift+M, or the same menus.
    meshAction_ = new QAction(QStringLiteral("Mesh &Picture..."), this);
    meshAction_->setObjectName(QStringLiteral("ActionMesh"));
    meshAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    meshAction_->setShortcutContext(Qt::WindowShortcut);
    addAction(meshAction_);
    connect(meshAction_, &QAction::triggered, this, &OutputWindow::openMesh);
    tableActions_ = AddTableActions(*this);
    connect(tableActions_.copy, &QAction::triggered, this, &OutputWindow::copyTable);
    connect(tableActions_.save, &QAction::triggered, this, &OutputWindow::saveTable);
    for (QLineEdit* cell : findChildren<QLineEdit*>()) {
        cell->setContextMenuPolicy(Qt::CustomContextMenu);
        CopyWholeCellWhenNothingSelected(*cell, windows_.services());
        connect(cell, &QWidget::customContextMenuRequested, this,
                [this, cell](const QPoint& at) { showCellMenu(*cell, at); });
    }
}

OutputWindow::~OutputWindow() = default;

PairKind OutputWindow::Kind() const {
    return description_.kind;
}

void OutputWindow::Activated() {
    windows_.session().Activated(OutputWindowOf(Kind()));
    Session& session = windows_.session();
    session.Solved(SolvePair(session.State(), session.MeasurementChoices()));
    FillTable(*session.LastSolution(), table_);
    ShowTable(*this, view_, table_);
    ShowUnitSign(*Named<QLabel>(*this, "LabelUnit"), windows_.State().Unit);
    MeasurementsFollowPair(windows_);
    SheetFollowPair(windows_);
    MeshFollowPair(windows_);
    ReportTable(windows_.services(), table_);
}

void OutputWindow::openDiagram() {
    OpenFrom(OutputWindowOf(Kind()), OpenedWindow::Diagram, &windows_.Diagram());
}

void OutputWindow::print() {
    PrintOutputWindow(
        windows_, *this,
        {{&Button("CommandClose"), &Button("Command1"), &Button("Command2"), &Button("Command3")},
         Named<QWidget>(*this, "Text_12"),
         WhitenedOnPrintout()});
}

// Every caption and cell of the table but those kept grey.
std::vector<QWidget*> OutputWindow::WhitenedOnPrintout() const {
    std::vector<QWidget*> whitened;
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!KeptGrey(*label)) {
            whitened.push_back(label);
        }
    }
    for (QLineEdit* cell : findChildren<QLineEdit*>()) {
        if (!KeptGrey(*cell)) {
            whitened.push_back(cell);
        }
    }
    return whitened;
}

// "Exit Program": this window and the input window are unloaded, then the program ends; a changed pair
// of a file asks first, and Cancel keeps every window as it is.
void OutputWindow::exitProgram() {
    if (InputWindow* input = windows_.LoadedInput(); input != nullptr && !input->MayClose()) {
        return;
    }
    Unload(this);
    Unload(windows_.LoadedInput());
    QApplication::quit();
}

void OutputWindow::openFormDiameterNote() {
    OpenFrom(OutputWindowOf(Kind()), OpenedWindow::FormDiameterNote, &windows_.Note(Kind()));
}

void OutputWindow::closeWindow() {
    if (description_.closeEnablesInputFirst) {
        windows_.session().Enable(SessionWindow::Input);
    }
    Unload(this);
}

void OutputWindow::openMeasurements() {
    OpenMeasurements(windows_, *this);
}

void OutputWindow::openMesh() {
    OpenMesh(windows_, *this);
}

void OutputWindow::showCellMenu(QLineEdit& cell, const QPoint& at) {
    ShowCellMenu(cell, at, tableActions_, {measurementsAction_, sheetAction_, meshAction_});
}

void OutputWindow::copyTable() {
    CopyTable(windows_.services(), windows_.session().Job(), CellsOf(table_, windows_.State().Unit));
}

void OutputWindow::saveTable() {
    if (const std::optional<PairFile> pair = PairShown(windows_)) {
        SaveTableAs(windows_.services(), *pair, false);
    }
}

QPushButton& OutputWindow::Button(const char* name) const {
    return *Named<QPushButton>(*this, name);
}

} // namespace korvanta
