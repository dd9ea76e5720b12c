#include "ui/mesh/mesh_window.h"

#include <QAction>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>

#include "core/mesh_geometry.h"
#include "logic/mesh_texts.h"
#include "ui/common/dialogs.h"
#include "ui/common/pair_window_opening.h"
#include "ui/common/program_window.h"
#include "ui/common/window_placement.h"
#include "ui/mesh/mesh_canvas.h"
#include "ui/print/print_chooser.h"
#include "ui/print/save_file_chooser.h"
#include "ui/program_windows.h"

namespace korvanta {

namespace {

// A frame of Play: the members turn a step each time.
constexpr int kPlayIntervalMs = 40;

QPushButton* Button(QWidget& window, QBoxLayout& row, const QString& text, const char* name) {
    auto* button = new QPushButton(text, &window);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    row.addWidget(button);
    return button;
}

void AddShortcuts(QWidget& window, const QList<QKeySequence>& keys, const char* name,
                  const std::function<void()>& triggered) {
    auto* action = new QAction(&window);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, &window, triggered);
}

int PinionTeeth(const PairSolution& solution) {
    return static_cast<int>(std::lround(solution.values.teeth.pinion));
}

} // namespace

MeshWindow::MeshWindow(ProgramWindows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("MeshWindow"));
    setWindowTitle(QStringLiteral("Mesh Picture"));
    auto* layout = new QVBoxLayout(this);
    canvas_ = new MeshCanvas(this);
    layout->addWidget(canvas_, 1);

    auto* turnRow = new QHBoxLayout();
    playButton_ = Button(*this, *turnRow, QStringLiteral("&Play"), "ButtonPlay");
    playButton_->setCheckable(true);
    slider_ = new QSlider(Qt::Horizontal, this);
    slider_->setObjectName(QStringLiteral("SliderTurn"));
    slider_->setSingleStep(1);
    slider_->setPageStep(kTurnStepsPerPitch);
    turnRow->addWidget(slider_, 1);
    turnLabel_ = new QLabel(this);
    turnLabel_->setObjectName(QStringLiteral("LabelTurn"));
    turnLabel_->setMinimumWidth(turnLabel_->fontMetrics().horizontalAdvance(
        QString::fromStdString(TurnText(9999.0, 1)) + QStringLiteral("  ")));
    turnRow->addWidget(turnLabel_);
    layout->addLayout(turnRow);

    auto* buttonRow = new QHBoxLayout();
    QPushButton* zoomIn = Button(*this, *buttonRow, QStringLiteral("+"), "ButtonZoomIn");
    QPushButton* zoomOut = Button(*this, *buttonRow, QStringLiteral("\u2212"), "ButtonZoomOut");
    QPushButton* home = Button(*this, *buttonRow, QStringLiteral("&Home"), "ButtonHome");
    zoomIn->setToolTip(QStringLiteral("Zoom in (+, or the mouse wheel over the picture)"));
    zoomOut->setToolTip(QStringLiteral("Zoom out (\u2212)"));
    home->setToolTip(QStringLiteral("Show the whole pair (Home)"));
    buttonRow->addStretch(1);
    QPushButton* printButton = Button(*this, *buttonRow, QStringLiteral("P&rint..."), "ButtonPrint");
    QPushButton* saveButton = Button(*this, *buttonRow, QStringLiteral("&Save As..."), "ButtonSave");
    QPushButton* close = Button(*this, *buttonRow, QStringLiteral("&Close"), "ButtonClose");
    layout->addLayout(buttonRow);

    playTimer_ = new QTimer(this);
    playTimer_->setObjectName(QStringLiteral("PlayTimer"));
    playTimer_->setInterval(kPlayIntervalMs);

    connect(slider_, &QSlider::valueChanged, this, &MeshWindow::turnTo);
    connect(playButton_, &QPushButton::toggled, this, &MeshWindow::play);
    connect(playTimer_, &QTimer::timeout, this, &MeshWindow::advance);
    connect(zoomIn, &QPushButton::clicked, canvas_, &MeshCanvas::ZoomIn);
    connect(zoomOut, &QPushButton::clicked, canvas_, &MeshCanvas::ZoomOut);
    connect(home, &QPushButton::clicked, canvas_, &MeshCanvas::ShowWholePair);
    connect(printButton, &QPushButton::clicked, this, &MeshWindow::print);
    connect(saveButton, &QPushButton::clicked, this, &MeshWindow::save);
    connect(close, &QPushButton::clicked, this, [this] { Unload(this); });
    AddShortcuts(*this, {QKeySequence(Qt::Key_Plus), QKeySequence(Qt::Key_Equal), QKeySequence::ZoomIn},
                 "ActionZoomIn", [this] { canvas_->ZoomIn(); });
    AddShortcuts(*this, {QKeySequence(Qt::Key_Minus), QKeySequence::ZoomOut}, "ActionZoomOut",
                 [this] { canvas_->ZoomOut(); });
    AddShortcuts(*this, {QKeySequence(Qt::Key_Home)}, "ActionHome", [this] { canvas_->ShowWholePair(); });
    // Large enough for the contact zone and its legend, but never beyond the screen: the window may be
    // made larger or smaller as the user likes.
    const QMargins frame = FrameAllowance(*this);
    resize(QSize(980, 760).boundedTo(AvailableArea(*this).size().shrunkBy(frame)));
}

MeshWindow::~MeshWindow() = default;

void MeshWindow::ShowPair(const PairSolution& solution) {
    playButton_->setChecked(false);
    {
        const QSignalBlocker quiet(slider_);
        slider_->setValue(0);
    }
    FollowPair(solution);
    canvas_->SetView(ContactZoneView(canvas_->Picture()));
    slider_->setFocus();
    show();
    raise();
    activateWindow();
}

void MeshWindow::FollowPair(const PairSolution& solution) {
    solution_ = solution;
    if (!solution_->measurements) {
        solution_->measurements = Remeasure(*solution_, windows_.session().MeasurementChoices());
    }
    {
        const QSignalBlocker quiet(slider_);
        slider_->setRange(0, PinionTeeth(*solution_) * kTurnStepsPerPitch);
    }
    turnTo(slider_->value());
}

MeshPage MeshWindow::Page() const {
    const std::string date = QDate::currentDate().toString(Qt::ISODate).toStdString();
    return {MeshHeaderLines(windows_.session().Job(), canvas_->Picture().kind, canvas_->Picture().unit, date),
            canvas_->Picture(), canvas_->View()};
}

void MeshWindow::turnTo(int step) {
    if (!solution_) {
        return;
    }
    const double turn = static_cast<double>(step) / kTurnStepsPerPitch;
    canvas_->SetPicture(MeshOf(*solution_, turn));
    turnLabel_->setText(QString::fromStdString(TurnText(turn, PinionTeeth(*solution_))));
}

void MeshWindow::play(bool playing) {
    playButton_->setText(playing ? QStringLiteral("&Pause") : QStringLiteral("&Play"));
    if (playing) {
        playTimer_->start();
    } else {
        playTimer_->stop();
    }
}

// A whole turn of the pinion starts the next one.
void MeshWindow::advance() {
    slider_->setValue(slider_->value() >= slider_->maximum() ? 0 : slider_->value() + 1);
}

// One page across the sheet, drawn on the printer itself as lines and texts.
void MeshWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Korvanta mesh picture"));
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!windows_.services().printChooser->ChoosePrinter(printer)) {
        return;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        windows_.services().dialogs->Show(
            {"The page could not be printed. Please check the printer and try again.",
             std::string(kMessageTitle), MessageIcon::Stop});
        return;
    }
    RenderMeshPage(painter, QRectF(0, 0, printer.width(), printer.height()), Page());
    painter.end();
}

// A name without a known ending is saved as SVG, the drawing programs' format.
void MeshWindow::save() {
    QString path = windows_.services().fileChooser->ChooseSaveFile(
        QStringLiteral("Save Picture As"), QStringLiteral("Korvanta mesh.svg"),
        QStringLiteral("SVG drawings (*.svg);;PDF documents (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    std::optional<MeshFileFormat> format = MeshFileFormatOf(path);
    if (!format) {
        path += QStringLiteral(".svg");
        format = MeshFileFormat::Svg;
    }
    if (const std::optional<QString> reason = WriteMeshFile(path, *format, Page())) {
        windows_.services().dialogs->Show({UnwritablePictureFile(path.toStdString(), reason->toStdString()),
                                           std::string(kMessageTitle), MessageIcon::Exclamation});
    }
}

void OpenMesh(ProgramWindows& windows, const QWidget& openedFrom) {
    OpenPairWindow(windows, openedFrom, &ProgramWindows::Mesh);
}

void MeshFollowPair(ProgramWindows& windows) {
    MeshWindow* open = windows.LoadedMesh();
    const PairSolution* solution = windows.session().SolutionOfEntries();
    if (open != nullptr && solution != nullptr && solution->Complete()) {
        open->FollowPair(*solution);
    }
}

} // namespace korvanta
