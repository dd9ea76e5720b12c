#include "ui/output/form_sap.h"

#include <QCloseEvent>

#include "ui/common/program_state.h"
#include "ui/diagram/diagram.h"
#include "ui/info/form_info.h"
#include "ui/input/frm_roll_angles0.h"
#include "ui/input/window_enabling.h"
#include "ui/output/end_program.h"
#include "ui/output/info_icon.h"
#include "ui/output/output_print.h"
#include "ui_form_sap.h"

namespace korvanta {

FormSAP::FormSAP(QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::FormSAP>()), table_(NewExternalTable()) {
    ui->setupUi(this);
    view_.pinionHeading = ui->Label3;
    view_.gearHeading = ui->Label4;
    view_.rows = {{
        {ui->LabelNT, ui->TextNT1, ui->TextNT2},
        {ui->LabelDP, ui->TextDP1, ui->TextDP2},
        {ui->Label1, ui->TextTDP1, ui->TextTDP2},
        {ui->LabelPA, ui->TextPA1, ui->TextPA2},
        {ui->Label5, ui->TextTPA1, ui->TextTPA2},
        {ui->Label13, ui->Text_13, ui->Text_14},
        {ui->LabelHA, ui->TextHA1, ui->TextHA2},
        {ui->LabelDB, ui->TextDB1, ui->TextDB2},
        {ui->LabelPD, ui->TextPD1, ui->TextPD2},
        {ui->LabelOD, ui->TextOD1, ui->TextOD2},
        {ui->LabelCD, ui->TextCD1, ui->TextCD2},
        {ui->LabelAMC, ui->TextProfileshift1, ui->TextProfileshift2},
        {ui->LabelSAP_0, ui->Text_1, ui->Text_2},
        {ui->LabelTIF_1, ui->Text_3, ui->Text_4},
        {ui->Label2_1, ui->Text_15, ui->Text_16},
        {ui->Label2_0, ui->Text_5, ui->Text_6},
        {ui->Label2_2, ui->Text_7, ui->Text_8},
        {ui->Label2_3, ui->Text_9, ui->Text_10},
        {ui->Label2_4, ui->Text_11, ui->Text_12},
    }};
    StyleOutputWindow(*this, view_);
    ui->Command4->setIcon(InfoIcon());
    ui->Command4->setIconSize(QSize(18, 18));

    connect(ui->Command1, &QPushButton::clicked, this, &FormSAP::Command1_Click);
    connect(ui->Command2, &QPushButton::clicked, this, &FormSAP::Command2_Click);
    connect(ui->Command3, &QPushButton::clicked, this, &FormSAP::Command3_Click);
    connect(ui->Command4, &QPushButton::clicked, this, &FormSAP::Command4_Click);
    connect(ui->CommandClose, &QPushButton::clicked, this, &FormSAP::CommandClose_Click);
}

FormSAP::~FormSAP() = default;

void FormSAP::Form_Activate() {
    SetLoadedEnabled<FrmRollAngles0>(false);
    FillExternalTable(ProgramState(), table_);
    ShowTable(*this, view_, table_);
    ReportTable(table_);
}

void FormSAP::Command1_Click() {
    Diagram& diagram = Instance<Diagram>();
    diagram.show();
    diagram.raise();
    diagram.activateWindow();
}

void FormSAP::Command2_Click() {
    PrintOutputWindow(
        *this,
        {{ui->CommandClose, ui->Command1, ui->Command2, ui->Command3},
         ui->Text_12,
         {ui->Label1,  ui->Label13, ui->Label2_0, ui->Label2_1, ui->Label2_2,   ui->Label2_3,   ui->Label2_4,
          ui->Label3,  ui->Label4,  ui->Label5,   ui->LabelAMC, ui->LabelCD,    ui->LabelDB,    ui->LabelHA,
          ui->LabelNT, ui->LabelOD, ui->LabelPA,  ui->LabelPD,  ui->LabelSAP_0, ui->LabelTIF_1, ui->Text_1,
          ui->Text_2,  ui->Text_3,  ui->Text_4,   ui->Text_5,   ui->Text_6,     ui->Text_7,     ui->Text_8,
          ui->Text_9,  ui->Text_10, ui->Text_11,  ui->Text_12,  ui->Text_13,    ui->Text_14,    ui->TextCD1,
          ui->TextCD2, ui->TextDB1, ui->TextDB2,  ui->TextDP1,  ui->TextDP2,    ui->TextHA1,    ui->TextHA2,
          ui->TextNT1, ui->TextNT2, ui->TextOD1,  ui->TextOD2,  ui->TextPA1,    ui->TextPA2}});
}

void FormSAP::Command3_Click() {
    EndProgram(*this);
}

void FormSAP::Command4_Click() {
    ShowModal(&Instance<FormInfo>());
}

void FormSAP::CommandClose_Click() {
    Unload(this);
}

void FormSAP::Form_Unload() {
    SetLoadedEnabled<FrmRollAngles0>(true);
    EnableWindowsNoLongerHeld(this);
}

void FormSAP::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

} // namespace korvanta
