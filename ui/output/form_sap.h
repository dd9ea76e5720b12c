#pragma once

#include <QWidget>
#include <memory>

#include "logic/output_table.h"
#include "ui/common/program_window.h"
#include "ui/output/output_table_view.h"

namespace Ui {
class FormSAP;
}

namespace korvanta {

// The inspection data of the external pair, pinion and gear side by side. Every activation recalculates the
// pair.
class FormSAP : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormSAP(QWidget* parent = nullptr);
    ~FormSAP() override;

    void Form_Activate() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void CommandClose_Click();
    void Form_Unload();

    std::unique_ptr<Ui::FormSAP> ui;
    OutputTableView view_;
    // Kept between activations: a calculation that stops part way leaves the later cells as they were.
    OutputTable table_;
};

} // namespace korvanta
