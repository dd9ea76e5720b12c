#pragma once

#include <QString>

namespace korvanta {

// The system web browser. The program opens it with QDesktopServices; tests install a recorder.
class Browser {
public:
    virtual ~Browser() = default;
    virtual bool Open(const QString& url) = 0; // false when the browser could not be started
};

Browser& AppBrowser();
void SetBrowser(Browser* browser); // nullptr brings back the system browser

// Opens the address; a failure is reported in a message box and the program goes on.
void OpenWebPage(const QString& url);

} // namespace korvanta
