#include "ui/input/window_enabling.h"

#include <QWidget>

#include "ui/common/program_window.h"
#include "ui/diagram/diagram.h"
#include "ui/info/form_limitations.h"
#include "ui/input/frm_roll_angles0.h"
#include "ui/output/form_sap.h"
#include "ui/output/form_sap2.h"

namespace korvanta {

namespace {

template <class W> bool IsOpen(const QWidget* closing) {
    const W* window = LoadedInstance<W>();
    return window != nullptr && window != closing && window->isVisible();
}

} // namespace

void EnableWindowsNoLongerHeld(const QWidget* closing) {
    const bool diagramOpen = IsOpen<Diagram>(closing);
    if (!diagramOpen) {
        SetLoadedEnabled<FormSAP>(true);
        SetLoadedEnabled<FormSAP2>(true);
    }
    if (!diagramOpen && !IsOpen<FormSAP>(closing) && !IsOpen<FormSAP2>(closing) &&
        !IsOpen<FormLimitations>(closing))
        SetLoadedEnabled<FrmRollAngles0>(true);
}

} // namespace korvanta
