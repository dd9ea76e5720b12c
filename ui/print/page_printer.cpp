#include "ui/print/page_printer.h"

#include "ui/print/system_page_printer.h"

namespace korvanta {

namespace {

PagePrinter*& Installed() {
    static PagePrinter* printer = nullptr;
    return printer;
}

} // namespace

PagePrinter& AppPrinter() {
    static SystemPagePrinter systemPrinter;
    PagePrinter* printer = Installed();
    return printer ? *printer : systemPrinter;
}

void SetPrinter(PagePrinter* printer) {
    Installed() = printer;
}

} // namespace korvanta
