#pragma once

#include <chrono>

namespace korvanta {

class Browser;
class Clipboard;
class Dialogs;
class JobDataEditor;
class OpenFileChooser;
class PagePrinter;
class PrintChooser;
class SaveFileChooser;

// What the windows reach outside themselves: the message boxes, the web browser, the page printer, the
// print dialog, the file choosers, the job data dialog and the clipboard, with how long the splash and the
// status messages stay. The entry point makes the system's (SystemServices) and hands them to the windows
// with ProgramWindows; a window test passes recorders and short durations of its own. None of the pointers is
// null.
struct Services {
    Dialogs* dialogs = nullptr;
    Browser* browser = nullptr;
    PagePrinter* printer = nullptr;
    PrintChooser* printChooser = nullptr;
    SaveFileChooser* fileChooser = nullptr;
    OpenFileChooser* openChooser = nullptr;
    JobDataEditor* jobEditor = nullptr;
    Clipboard* clipboard = nullptr;
    std::chrono::milliseconds splashDuration{2200};
    std::chrono::milliseconds statusDuration{3000};
};

} // namespace korvanta
