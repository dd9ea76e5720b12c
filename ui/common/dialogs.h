#pragma once

#include "core/message.h"

namespace korvanta {

// Message boxes and Yes/No questions. The program uses QMessageBox; tests install a recorder.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void Show(const Message& message) = 0; // modal, OK
    virtual bool Ask(const Message& question) = 0; // modal, Yes (default) / No; true for Yes
};

Dialogs& AppDialogs();
// Replaces the dialogs until called again; nullptr brings back the message boxes.
void SetDialogs(Dialogs* dialogs);

} // namespace korvanta
