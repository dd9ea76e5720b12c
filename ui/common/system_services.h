#pragma once

#include <memory>

#include "ui/common/services.h"

namespace korvanta {

// The program's own services: QMessageBox, QDesktopServices, the default printer (or a PDF file
// when there is none), Qt's print dialog, the file dialogs, the job data dialog and the system clipboard,
// with the program's durations.
class SystemServices {
public:
    SystemServices();
    ~SystemServices();
    SystemServices(const SystemServices&) = delete;
    SystemServices& operator=(const SystemServices&) = delete;

    Services& services() { return services_; }

private:
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<Browser> browser_;
    std::unique_ptr<SaveFileChooser> fileChooser_;
    std::unique_ptr<OpenFileChooser> openChooser_;
    std::unique_ptr<JobDataEditor> jobEditor_;
    std::unique_ptr<PagePrinter> printer_;
    std::unique_ptr<PrintChooser> printChooser_;
    std::unique_ptr<Clipboard> clipboard_;
    Services services_;
};

} // namespace korvanta
