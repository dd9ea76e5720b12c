#pragma once

#include <QPageSize>
#include <QWidget>
#include <optional>

#include "core/pair_solution.h"
#include "logic/inspection_sheet.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace korvanta {

class ProgramWindows;
class SheetPreview;

// The inspection sheet of the session's pair as it will print, with the entries only the sheet needs
// (face width, accuracy class, helix hand, the tip reliefs) kept in the session and its file, the
// chart's scale and the paper, and the pages printed through the print dialog or saved as a PDF file.
class SheetWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own; a parent only ties its lifetime to the parent's.
    explicit SheetWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~SheetWindow() override;

    // Makes the sheet of the pair (measured with the tools the measurements window holds) and brings
    // the window to the front.
    void ShowPair(const PairSolution& solution);
    // The same for a pair calculated again while the window is open; the window stays where it is.
    void FollowPair(const PairSolution& solution);
    // The sheet says, on every page, whether the entries now held are no longer those of its pair; the
    // measuring tools are read again.
    void FollowEntries(const GearPairState& now);

    const InspectionSheet& Sheet() const { return sheet_; }
    ChartScale Scale() const;
    QPageSize Paper() const;

private:
    struct ReliefFields {
        QComboBox* given = nullptr;
        QLineEdit* start = nullptr;
        QLineEdit* least = nullptr;
        QLineEdit* most = nullptr;
    };

    QWidget* BuildEntries();
    QWidget* BuildChartChoices();
    void ShowEntries();
    // The form's entries into the session; an entry that is no number leaves the one before.
    void entriesEdited();
    void MakeSheet();
    void print();
    void saveAsPdf();
    QString SuggestedPdfName() const;

    ProgramWindows& windows_;
    std::optional<PairSolution> solution_;
    bool stale_ = false;
    InspectionSheet sheet_;
    SheetPreview* preview_ = nullptr;
    QLineEdit* faceWidth_ = nullptr;
    QComboBox* accuracyClass_ = nullptr;
    QComboBox* helixHand_ = nullptr;
    std::array<ReliefFields, 2> reliefs_{};
    QComboBox* scaleChoice_ = nullptr;
    QLineEdit* degreeScale_ = nullptr;
    QLineEdit* magnification_ = nullptr;
    QComboBox* paper_ = nullptr;
};

// Makes the sheet of the session's pair, calculated as its output window calculates it, and shows it in
// the sheet window, which opens beside the window it was asked for from; a calculation that stops on
// an arithmetic fault shows its message instead.
void OpenSheet(ProgramWindows& windows, const QWidget& openedFrom);

// An open sheet window follows the session's pair, as the measurements window does.
void SheetFollowPair(ProgramWindows& windows);
void SheetFollowEntries(ProgramWindows& windows);

} // namespace korvanta
