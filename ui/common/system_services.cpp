#include "ui/common/system_services.h"

#include "ui/common/browser.h"
#include "ui/common/clipboard.h"
#include "ui/common/dialogs.h"
#include "ui/common/open_file_chooser.h"
#include "ui/input/job_data_editor.h"
#include "ui/print/print_chooser.h"
#include "ui/print/save_file_chooser.h"
#include "ui/print/system_page_printer.h"

namespace korvanta {

SystemServices::SystemServices()
    : dialogs_(std::make_unique<MessageBoxDialogs>()), browser_(std::make_unique<SystemBrowser>()),
      fileChooser_(std::make_unique<FileDialogChooser>()),
      openChooser_(std::make_unique<FileDialogOpenChooser>()), jobEditor_(std::make_unique<JobDataDialog>()),
      printer_(std::make_unique<SystemPagePrinter>(*dialogs_, *fileChooser_)),
      printChooser_(std::make_unique<PrintDialogChooser>()), clipboard_(std::make_unique<SystemClipboard>()) {
    services_.dialogs = dialogs_.get();
    services_.browser = browser_.get();
    services_.fileChooser = fileChooser_.get();
    services_.openChooser = openChooser_.get();
    services_.jobEditor = jobEditor_.get();
    services_.printer = printer_.get();
    services_.printChooser = printChooser_.get();
    services_.clipboard = clipboard_.get();
}

SystemServices::~SystemServices() = default;

} // namespace korvanta
