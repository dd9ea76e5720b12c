#include "ui/sheet/sheet_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "logic/pair_document.h"
#include "logic/sheet_entry_form.h"
#include "logic/sheet_of_pair.h"
#include "logic/unit_texts.h"
#include "ui/common/dialogs.h"
#include "ui/common/form_font.h"
#include "ui/common/pair_window_opening.h"
#include "ui/common/program_window.h"
#include "ui/common/window_placement.h"
#include "ui/input/input_window.h"
#include "ui/print/print_chooser.h"
#include "ui/print/save_file_chooser.h"
#include "ui/program_windows.h"
#include "ui/sheet/page_text.h"
#include "ui/sheet/sheet_date.h"
#include "ui/sheet/sheet_document.h"
#include "ui/sheet/sheet_preview.h"

namespace korvanta {

namespace {

QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A positive number typed for the chart's scale; anything else leaves the chart fitted that way.
std::optional<double> ScaleNumber(const QLineEdit& edit) {
    bool number = false;
    const double value = QLocale::c().toDouble(edit.text().trimmed(), &number);
    return number && value > 0.0 ? std::optional<double>(value) : std::nullopt;
}

QLineEdit* NumberEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaximumWidth(90);
    return edit;
}

QComboBox* Choice(const char* name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

Message PdfFailure(const QString& file, const QString& reason) {
    return {"The sheet could not be saved as a PDF file.\nFile: " + file.toStdString() +
                "\nReason: " + reason.toStdString(),
            std::string(kMessageTitle), MessageIcon::Exclamation};
}

Message PrintFailure() {
    return {"The sheet could not be printed. Please check the printer and try again.",
            std::string(kMessageTitle), MessageIcon::Stop};
}

// The name of the pair's file as the header shows it; empty for a pair never saved.
std::string FileNameShown(ProgramWindows& windows) {
    const InputWindow* input = windows.LoadedInput();
    if (input == nullptr || !input->Document().FileName()) {
        return {};
    }
    return ShownFileName(*input->Document().FileName());
}

} // namespace

SheetWindow::SheetWindow(ProgramWindows& windows, QWidget* parent)
    : QWidget(parent, Qt::Window), windows_(windows) {
    setObjectName(QStringLiteral("SheetWindow"));
    setWindowTitle(QStringLiteral("Inspection Sheet"));
    UseFormFont(*this);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("SheetPages"));
    preview_ = new SheetPreview(scroll);
    scroll->setWidget(preview_);
    scroll->setWidgetResizable(false);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);

    auto* side = new QVBoxLayout;
    side->addWidget(BuildEntries());
    side->addWidget(BuildChartChoices());
    side->addStretch();
    auto* buttons = new QHBoxLayout;
    auto* printButton = new QPushButton(QStringLiteral("&Print…"), this);
    printButton->setObjectName(QStringLiteral("SheetPrint"));
    auto* pdfButton = new QPushButton(QStringLiteral("Save as P&DF…"), this);
    pdfButton->setObjectName(QStringLiteral("SheetSavePdf"));
    auto* closeButton = new QPushButton(QStringLiteral("&Close"), this);
    closeButton->setObjectName(QStringLiteral("SheetClose"));
    buttons->addWidget(printButton);
    buttons->addWidget(pdfButton);
    buttons->addWidget(closeButton);
    side->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addLayout(side);
    // A page's width with the form beside it, as far as the screen has room: the pages scroll.
    const QSize wanted(preview_->sizeHint().width() + 24 + side->sizeHint().width() + 30, 860);
    resize(wanted.boundedTo(AvailableArea(*this).size().shrunkBy(FrameAllowance(*this))));

    connect(printButton, &QPushButton::clicked, this, &SheetWindow::print);
    connect(pdfButton, &QPushButton::clicked, this, &SheetWindow::saveAsPdf);
    connect(closeButton, &QPushButton::clicked, this, [this] { Unload(this); });
}

SheetWindow::~SheetWindow() = default;

QWidget* SheetWindow::BuildEntries() {
    auto* box = new QGroupBox(QStringLiteral("Sheet entries"), this);
    auto* form = new QFormLayout;
    faceWidth_ = NumberEdit("SheetFaceWidth", box);
    form->addRow(QStringLiteral("&Face width:"), faceWidth_);
    QStringList classes{QStringLiteral("None")};
    for (int accuracy = kLowestAccuracyClass; accuracy <= kHighestAccuracyClass; ++accuracy) {
        classes << QString::number(accuracy);
    }
    accuracyClass_ = Choice("SheetAccuracyClass", classes, box);
    form->addRow(QStringLiteral("&Accuracy class (ISO 1328-1):"), accuracyClass_);
    helixHand_ = Choice("SheetHelixHand",
                        {QStringLiteral("None"), QStringLiteral("Right"), QStringLiteral("Left")}, box);
    form->addRow(QStringLiteral("&Helix hand (pinion):"), helixHand_);

    auto* reliefs = new QGridLayout;
    reliefs->addWidget(new QLabel(QStringLiteral("Tip relief"), box), 0, 0);
    reliefs->addWidget(new QLabel(QStringLiteral("Pinion"), box), 0, 1);
    reliefs->addWidget(new QLabel(QStringLiteral("Gear"), box), 0, 2);
    const QStringList captions{QStringLiteral("Starts at"), QStringLiteral("Start"), QStringLiteral("Least"),
                               QStringLiteral("Most")};
    for (int row = 0; row < captions.size(); ++row) {
        auto* caption = new QLabel(captions[row], box);
        caption->setObjectName(QStringLiteral("SheetReliefCaption%1").arg(row));
        reliefs->addWidget(caption, row + 1, 0);
    }
    for (Member member : kMembers) {
        const int column = static_cast<int>(IndexOf(member)) + 1;
        const QString suffix = QString::number(column);
        ReliefFields& fields = reliefs_[IndexOf(member)];
        fields.given = Choice(("SheetReliefGiven" + suffix.toStdString()).c_str(),
                              {QStringLiteral("Diameter"), QStringLiteral("Roll angle")}, box);
        fields.start = NumberEdit(("SheetReliefStart" + suffix.toStdString()).c_str(), box);
        fields.least = NumberEdit(("SheetReliefLeast" + suffix.toStdString()).c_str(), box);
        fields.most = NumberEdit(("SheetReliefMost" + suffix.toStdString()).c_str(), box);
        reliefs->addWidget(fields.given, 1, column);
        reliefs->addWidget(fields.start, 2, column);
        reliefs->addWidget(fields.least, 3, column);
        reliefs->addWidget(fields.most, 4, column);
    }
    auto* apply = new QPushButton(QStringLiteral("A&pply"), box);
    apply->setObjectName(QStringLiteral("SheetApply"));
    connect(apply, &QPushButton::clicked, this, &SheetWindow::entriesEdited);
    for (QLineEdit* edit : box->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::returnPressed, this, &SheetWindow::entriesEdited);
    }
    for (QComboBox* choice : box->findChildren<QComboBox*>()) {
        connect(choice, &QComboBox::activated, this, &SheetWindow::entriesEdited);
    }

    auto* column = new QVBoxLayout(box);
    column->addLayout(form);
    column->addLayout(reliefs);
    column->addWidget(apply, 0, Qt::AlignRight);
    return box;
}

QWidget* SheetWindow::BuildChartChoices() {
    auto* box = new QGroupBox(QStringLiteral("Profile chart and paper"), this);
    auto* form = new QFormLayout(box);
    scaleChoice_ =
        Choice("SheetChartScale", {QStringLiteral("Fitted to the page"), QStringLiteral("At a scale")}, box);
    degreeScale_ = NumberEdit("SheetDegreeScale", box);
    degreeScale_->setText(QStringLiteral("5"));
    magnification_ = NumberEdit("SheetMagnification", box);
    magnification_->setText(QStringLiteral("500"));
    paper_ = Choice("SheetPaper", {QStringLiteral("A4"), QStringLiteral("Letter")}, box);
    paper_->setCurrentIndex(LocalPageSize().id() == QPageSize::Letter ? 1 : 0);
    form->addRow(QStringLiteral("&Chart:"), scaleChoice_);
    form->addRow(QStringLiteral("mm per degree of &roll:"), degreeScale_);
    form->addRow(QStringLiteral("&Magnification of deviation:"), magnification_);
    form->addRow(QStringLiteral("Pape&r:"), paper_);
    for (QComboBox* choice : {scaleChoice_, paper_}) {
        connect(choice, &QComboBox::currentIndexChanged, this, &SheetWindow::MakeSheet);
    }
    for (QLineEdit* edit : {degreeScale_, magnification_}) {
        connect(edit, &QLineEdit::editingFinished, this, &SheetWindow::MakeSheet);
    }
    return box;
}

ChartScale SheetWindow::Scale() const {
    if (scaleChoice_->currentIndex() == 0) {
        return {};
    }
    return {ScaleNumber(*degreeScale_), ScaleNumber(*magnification_)};
}

QPageSize SheetWindow::Paper() const {
    return QPageSize(paper_->currentIndex() == 1 ? QPageSize::Letter : QPageSize::A4);
}

void SheetWindow::ShowPair(const PairSolution& solution) {
    FollowPair(solution);
    show();
    raise();
    activateWindow();
}

void SheetWindow::FollowPair(const PairSolution& solution) {
    solution_ = solution;
    ShowEntries();
    FollowEntries(windows_.State());
}

void SheetWindow::FollowEntries(const GearPairState& now) {
    stale_ = solution_ && !SameEntries(solution_->calculated, now);
    MakeSheet();
}

// The session's entries in the form, as the form's texts show them.
void SheetWindow::ShowEntries() {
    const LengthUnit unit = windows_.State().Unit;
    const SheetEntryTexts texts = TextsOf(windows_.session().Sheet());
    faceWidth_->setText(FromModel(texts.faceWidth));
    faceWidth_->setToolTip(QStringLiteral("In %1").arg(FromView(UnitSymbol(unit))));
    accuracyClass_->setCurrentIndex(
        texts.accuracyClass.empty() ? 0 : accuracyClass_->findText(FromModel(texts.accuracyClass)));
    helixHand_->setCurrentIndex(!texts.helixHand ? 0 : *texts.helixHand == HelixHand::Right ? 1 : 2);
    for (Member member : kMembers) {
        const TipReliefTexts& relief = texts.tipRelief[member];
        ReliefFields& fields = reliefs_[IndexOf(member)];
        fields.given->setCurrentIndex(relief.startGiven == TipRelief::StartGiven::RollAngle ? 1 : 0);
        fields.start->setText(FromModel(relief.start));
        fields.start->setToolTip(
            QStringLiteral("A diameter in %1, or a roll angle in degrees").arg(FromView(UnitSymbol(unit))));
        fields.least->setText(FromModel(relief.least));
        fields.most->setText(FromModel(relief.most));
        for (QLineEdit* amount : {fields.least, fields.most}) {
            amount->setToolTip(
                QStringLiteral("At the outside diameter, in %1").arg(FromView(DeviationUnitOf(unit))));
        }
    }
}

void SheetWindow::entriesEdited() {
    SheetEntryTexts texts;
    texts.faceWidth = faceWidth_->text().toStdString();
    texts.accuracyClass =
        accuracyClass_->currentIndex() == 0 ? std::string() : accuracyClass_->currentText().toStdString();
    if (helixHand_->currentIndex() > 0) {
        texts.helixHand = helixHand_->currentIndex() == 1 ? HelixHand::Right : HelixHand::Left;
    }
    for (Member member : kMembers) {
        const ReliefFields& fields = reliefs_[IndexOf(member)];
        TipReliefTexts& relief = texts.tipRelief[member];
        relief.startGiven = fields.given->currentIndex() == 1 ? TipRelief::StartGiven::RollAngle
                                                              : TipRelief::StartGiven::Diameter;
        relief.start = fields.start->text().toStdString();
        relief.least = fields.least->text().toStdString();
        relief.most = fields.most->text().toStdString();
    }
    auto read = SheetEntriesOf(texts, windows_.State().Unit);
    if (const auto* refusal = std::get_if<SheetEntryRefusal>(&read)) {
        windows_.services().dialogs->Show(
            {refusal->message, std::string(kMessageTitle), MessageIcon::Exclamation});
        QLineEdit* field = faceWidth_;
        const ReliefFields& fields = reliefs_[IndexOf(refusal->field.member)];
        switch (refusal->field.item) {
        case SheetEntryItem::FaceWidth:
            break;
        case SheetEntryItem::AccuracyClass:
            field = nullptr;
            accuracyClass_->setFocus();
            break;
        case SheetEntryItem::ReliefStart:
            field = fields.start;
            break;
        case SheetEntryItem::ReliefLeast:
            field = fields.least;
            break;
        case SheetEntryItem::ReliefMost:
            field = fields.most;
            break;
        }
        if (field != nullptr) {
            field->setFocus();
            field->selectAll();
        }
        return;
    }
    windows_.session().Sheet() = std::get<SheetEntries>(read);
    MakeSheet();
}

void SheetWindow::MakeSheet() {
    if (!solution_) {
        return;
    }
    const Session& session = windows_.session();
    const SheetHeader header = SheetHeaderOf(session.Job(), solution_->calculated.Unit, solution_->kind,
                                             SheetDate(), FileNameShown(windows_));
    sheet_ = SheetOfPair(*solution_, session.MeasurementChoices(), session.Sheet(), header, stale_);
    preview_->Show(sheet_, Scale(), Paper());
}

// The print dialog starts from the paper chosen here and takes the pages whole: the sheet keeps its
// own margins.
void SheetWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Inspection Sheet"));
    printer.setPageSize(Paper());
    printer.setFullPage(true);
    if (!windows_.services().printChooser->ChoosePrinter(printer)) {
        return;
    }
    if (!PaintSheet(printer, sheet_, Scale())) {
        windows_.services().dialogs->Show(PrintFailure());
    }
}

QString SheetWindow::SuggestedPdfName() const {
    const QString file = FromModel(sheet_.header.fileName);
    if (file.isEmpty()) {
        return QStringLiteral("Inspection Sheet.pdf");
    }
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return (dot > 0 ? file.left(dot) : file) + QStringLiteral(".pdf");
}

void SheetWindow::saveAsPdf() {
    const QString path = windows_.services().fileChooser->ChooseSaveFile(
        QStringLiteral("Save Sheet as PDF"), SuggestedPdfName(), QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    if (const std::optional<QString> failure = WriteSheetPdf(path, sheet_, Scale(), Paper())) {
        windows_.services().dialogs->Show(PdfFailure(path, *failure));
    }
}

void OpenSheet(ProgramWindows& windows, const QWidget& openedFrom) {
    OpenPairWindow(windows, openedFrom, &ProgramWindows::Sheet);
}

void SheetFollowPair(ProgramWindows& windows) {
    FollowPairInWindow(windows, &ProgramWindows::LoadedSheet);
}

void SheetFollowEntries(ProgramWindows& windows) {
    if (SheetWindow* open = windows.LoadedSheet()) {
        open->FollowEntries(windows.State());
    }
}

} // namespace korvanta
