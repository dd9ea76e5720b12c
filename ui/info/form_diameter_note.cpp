#include "ui/info/form_diameter_note.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/common/form_font.h"
#include "ui/common/shown_text.h"
#include "ui/common/window_keys.h"
#include "ui/common/window_placement.h"
#include "ui/info/info_texts.h"
#include "ui_external_form_diameter_note.h"
#include "ui_internal_form_diameter_note.h"

namespace korvanta {

namespace {

template <class Form> void Build(QWidget& window) {
    Form form;
    form.setupUi(&window);
}

} // namespace

FormDiameterNote::FormDiameterNote(PairKind kind, QWidget* parent) : QWidget(parent) {
    const bool internal = kind == PairKind::Internal;
    if (internal) {
        Build<Ui::InternalFormDiameterNote>(*this);
    } else {
        Build<Ui::ExternalFormDiameterNote>(*this);
    }
    UseFormFont(*this);
    findChild<QPlainTextEdit*>(QStringLiteral("Text1"))
        ->setPlainText(
            ShownText(internal ? info_texts::FormDiameterInternal() : info_texts::FormDiameterExternal()));
    setFixedSize(size());
    CentreOnScreen(*this);
    QPushButton& close = *findChild<QPushButton*>(QStringLiteral("Command1"));
    connect(&close, &QPushButton::clicked, this, &FormDiameterNote::closeWindow);
    CloseOnEscape(*this, close);
}

void FormDiameterNote::closeWindow() {
    Unload(this);
}

} // namespace korvanta
