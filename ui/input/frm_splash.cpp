#include "ui/input/frm_splash.h"

#include "core/version.h"
#include "ui/common/product.h"
#include "ui/common/window_placement.h"
#include "ui/input/frm_roll_angles0.h"
#include "ui_frm_splash.h"

namespace korvanta {

frmSplash::frmSplash(QWidget* parent) : QWidget(parent), ui(std::make_unique<Ui::frmSplash>()) {
    ui->setupUi(this);
    setWindowFlag(Qt::FramelessWindowHint);
    SetPointSize(*ui->Label3, 9.75);
    ui->Label3->setText(QStringLiteral("Version ") + QString::fromUtf8(kVersion));
    SetPointSize(*ui->Label1, 14.25);
    ui->Label1->setText(QStringLiteral("Gear Freeware from ") + product::WebSite());
    setFixedSize(size());
    CentreOnScreen(*this);
    Tmrshow.setSingleShot(true);
    Tmrshow.setTimerType(Qt::PreciseTimer);
    Tmrshow.setInterval(kShowMilliseconds);
    connect(&Tmrshow, &QTimer::timeout, this, &frmSplash::Tmrshow_Timer);
    Tmrshow.start();
}

frmSplash::~frmSplash() = default;

void frmSplash::Tmrshow_Timer() {
    Tmrshow.stop();
    ShowWindow(&Instance<FrmRollAngles0>());
    Unload(this);
}

} // namespace korvanta
