#pragma once

#include <QWidget>

#include "core/pair_kind.h"
#include "logic/output_table.h"
#include "ui/common/program_window.h"
#include "ui/output/output_table_view.h"
#include "ui/output/table_actions.h"

class QAction;
class QLineEdit;
class QPushButton;

namespace korvanta {

class ProgramWindows;
struct OutputWindowDescription;

// The inspection data of the pair, pinion and gear side by side, for an external pair or a pinion
// inside an internal gear. Every activation recalculates the pair.
class OutputWindow : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    OutputWindow(ProgramWindows& windows, PairKind kind, QWidget* parent = nullptr);
    ~OutputWindow() override;

    PairKind Kind() const;
    void Activated() override;

private:
    void openDiagram();
    void print();
    void exitProgram();
    void openFormDiameterNote();
    void closeWindow();
    void openMeasurements();
    void openMesh();
    // A cell's own menu (Copy, Select All) with the table's actions, the measurements, the sheet and the
    // mesh below.
    void showCellMenu(QLineEdit& cell, const QPoint& at);
    void copyTable();
    // The table as the command prints the pair without its measurements.
    void saveTable();

    QPushButton& Button(const char* name) const;
    std::vector<QWidget*> WhitenedOnPrintout() const;

    ProgramWindows& windows_;
    const OutputWindowDescription& description_;
    OutputTableView view_;
    QAction* measurementsAction_ = nullptr;
    QAction* sheetAction_ = nullptr;
    QAction* meshAction_ = nullptr;
    TableActions tableActions_;
    // Kept between activations: a calculation that stops part way leaves the later cells as they were.
    OutputTable table_;
};

} // namespace korvanta
