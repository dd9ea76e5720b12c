#include "ui/input/input_window_form.h"

#include "ui/common/gear_icon.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_placement.h"
#include "ui_input_window.h"

namespace korvanta {

namespace {

constexpr int kClientWidth = 573;  // 8595 twips
constexpr int kClientHeight = 434; // 6510 twips
constexpr char kNote[] =
    "Any pre-calculated values shown here are \r\nbasic or estimated sizes and are given for "
    "\r\nreference only. Please type in the actual sizes.\r\n";

} // namespace

void SetUpInputWindowForm(Ui::InputWindow& form, QMainWindow& window) {
    form.setupUi(&window);
    for (QWidget* widget : {static_cast<QWidget*>(form.LabelNT), static_cast<QWidget*>(form.LabelDP),
                            static_cast<QWidget*>(form.LabelPA), static_cast<QWidget*>(form.LabelHA),
                            static_cast<QWidget*>(form.LabelOD), static_cast<QWidget*>(form.LabelCD),
                            static_cast<QWidget*>(form.TextNT1), static_cast<QWidget*>(form.TextNT2),
                            static_cast<QWidget*>(form.TextDP), static_cast<QWidget*>(form.TextPA),
                            static_cast<QWidget*>(form.TextHA), static_cast<QWidget*>(form.TextOD1),
                            static_cast<QWidget*>(form.TextOD2), static_cast<QWidget*>(form.TextCD)}) {
        SetPointSize(*widget, 11.25);
    }
    SetPointSize(*form.Frame1, 8.25);
    // The options keep a plain font under the frame's bold caption.
    QFont optionFont = form.Frame1->font();
    optionFont.setBold(false);
    form.Option1->setFont(optionFont);
    form.Option2->setFont(optionFont);
    SetPointSize(*form.Text2, 8.25);
    form.Text2->document()->setDocumentMargin(2);
    form.Text2->setLineWrapMode(QPlainTextEdit::NoWrap);
    form.Text2->setPlainText(ShownText(QString::fromLatin1(kNote)));
    form.Image1->setPixmap(GearIconPixmap(form.Image1->size()));
    window.setWindowIcon(GearIcon());

    form.centralwidget->setFixedSize(kClientWidth, kClientHeight);
    window.resize(kClientWidth, kClientHeight + window.menuBar()->sizeHint().height());
    window.setFixedSize(window.size());
}

} // namespace korvanta
