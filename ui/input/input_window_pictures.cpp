#include "ui/input/input_window_pictures.h"

#include <QMainWindow>

#include "ui/input/input_window_form.h"
#include "ui_input_window.h"

namespace korvanta {

namespace {

// The input window's controls on a window that is never shown, filled with a sample pair.
class SampleInputWindow {
public:
    SampleInputWindow() {
        SetUpInputWindowForm(form, window);
        form.TextNT1->setText(QStringLiteral("20"));
        form.TextNT2->setText(QStringLiteral("40"));
        form.TextDP->setText(QStringLiteral("10.00000"));
        form.TextPA->setText(QStringLiteral("20.00000"));
        window.ensurePolished();
    }

    QMainWindow window;
    Ui::InputWindow form;
};

} // namespace

QPixmap GearTypePicture() {
    SampleInputWindow sample;
    return sample.form.Frame1->grab();
}

QPixmap InputDataPicture() {
    SampleInputWindow sample;
    const QRect frame = sample.form.Frame1->geometry();
    const QRect heading = sample.form.Label2->geometry();
    const QRect rows = sample.form.LabelNT->geometry().united(sample.form.TextPA->geometry());
    const QRect block = rows.united(frame).united(heading).adjusted(-6, -6, 6, 6);
    return sample.form.centralwidget->grab(block);
}

QPixmap CalculateButtonPicture() {
    SampleInputWindow sample;
    return sample.form.Command1->grab();
}

} // namespace korvanta
