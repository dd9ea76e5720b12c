#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/pair_result.h"
#include "logic/measurement_form.h"
#include "ui/output/table_actions.h"

namespace Ui {
class FormMeasurements;
}

namespace korvanta {

class ProgramWindows;

// The inspection measurements of a calculated pair, pinion and gear side by side: tooth thickness,
// pins or balls, span, their contact diameters, the contact ratio and the interference flags. The
// pin or ball diameter and the teeth spanned may be typed in; leaving the field measures again. Below
// the table stand the designer's checks of the pair, when there are any: the window grows to hold them
// and its buttons move down.
class MeasurementsWindow : public QWidget {
    Q_OBJECT

public:
    // A window of its own; a parent only ties its lifetime to the parent's.
    explicit MeasurementsWindow(ProgramWindows& windows, QWidget* parent = nullptr);
    ~MeasurementsWindow() override;

    // Measures the pair (the state with the entered orientation restored, and its calculation's
    // result) with the tools typed for it before (the defaults where none was), shows the
    // measurements and brings the window to the front.
    void ShowPair(const PairSolution& solution);
    // The same, for a pair calculated again while the window is open; the window stays where it is.
    void FollowPair(const PairSolution& solution);
    // Says, on the window and so on its printout, whether the entries now held are no longer those
    // of the pair measured.
    void FollowEntries(const GearPairState& now);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct RowWidgets {
        QLabel* caption = nullptr;
        QLineEdit* pinion = nullptr;
        QLineEdit* gear = nullptr;
    };

    void ShowForm();
    void ShowChecks(const std::vector<std::string>& checks);
    void StyleFields();
    // A key typed in a field; true when the field's keys discard it.
    bool fieldKeyDiscarded(MeasurementField field, const QKeyEvent& key);
    void fieldEdited(MeasurementField field, const QString& text);
    void fieldLeft(MeasurementField field, Qt::FocusReason reason);
    void print();
    void copyTable();
    // The table as the command prints the pair with its measurements and the tools typed here.
    void saveTable();
    void closeWindow();
    void Paint(const QColor& colour);
    std::optional<MeasurementField> FieldOf(const QObject* widget) const;
    QLineEdit& Edit(MeasurementField field) const;

    ProgramWindows& windows_;
    std::unique_ptr<Ui::FormMeasurements> ui;
    std::array<RowWidgets, kMeasurementRowCount> rows_;
    std::optional<MeasurementForm> form_;
    QLabel* checks_ = nullptr;
    int heightWithoutChecks_ = 0;
    // The widgets below the checks, with where they stand when there are none.
    std::vector<std::pair<QWidget*, int>> belowChecks_;
    TableActions tableActions_;
};

// Measures the session's pair, calculated as its output window calculates it, and shows it in the
// measurements window, which opens beside the window it was asked for from, clear of its fields; a
// calculation that stops on an arithmetic fault shows its message instead.
void OpenMeasurements(ProgramWindows& windows, const QWidget& openedFrom);

// An open measurements window follows the session's pair: measured again when the pair has been
// calculated again (a fault leaves it as it was, saying that the entries have changed), or told
// whether the entries are still those it measured.
void MeasurementsFollowPair(ProgramWindows& windows);
void MeasurementsFollowEntries(ProgramWindows& windows);

} // namespace korvanta
