#pragma once

#include <QWidget>

#include "core/pair_kind.h"
#include "ui/common/program_window.h"

namespace korvanta {

// The note on the form diameter of an external pair or of an internal one, opened by the note button
// beside the TIF row of the output window.
class FormDiameterNote : public QWidget, public ProgramWindowHooks {
    Q_OBJECT

public:
    explicit FormDiameterNote(PairKind kind, QWidget* parent = nullptr);

private:
    void closeWindow();
};

} // namespace korvanta
