#pragma once

#include "core/message.h"
#include "logic/pair_document.h"

namespace korvanta {

// Message boxes, Yes/No questions and the Save/Discard/Cancel question, reached through the windows'
// Services.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void Show(const Message& message) = 0;             // modal, OK
    virtual bool Ask(const Message& question) = 0;             // modal, Yes (default) / No; true for Yes
    virtual SaveAnswer AskToSave(const Message& question) = 0; // modal, Save (default) / Discard / Cancel
};

// Application-modal QMessageBoxes over the active window, which is held open until the box is
// answered (HoldOpen).
class MessageBoxDialogs : public Dialogs {
public:
    void Show(const Message& message) override;
    bool Ask(const Message& question) override;
    SaveAnswer AskToSave(const Message& question) override;
};

} // namespace korvanta
