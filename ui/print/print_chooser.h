#pragma once

class QPrinter;

namespace korvanta {

// Asks the user how to print: the printer, the page size and orientation, the copies, set on
// `printer`; reached through the windows' Services.
class PrintChooser {
public:
    virtual ~PrintChooser() = default;
    // True when the user chose to print.
    virtual bool ChoosePrinter(QPrinter& printer) = 0;
};

// Qt's print dialog over the active window, which is held open until the dialog is answered.
class PrintDialogChooser : public PrintChooser {
public:
    bool ChoosePrinter(QPrinter& printer) override;
};

} // namespace korvanta
