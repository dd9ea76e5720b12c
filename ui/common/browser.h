#pragma once

#include <QString>

namespace korvanta {

struct Services;

// The system web browser, reached through the windows' Services.
class Browser {
public:
    virtual ~Browser() = default;
    virtual bool Open(const QString& url) = 0; // false when the browser could not be started
};

// Opens addresses with QDesktopServices.
class SystemBrowser : public Browser {
public:
    bool Open(const QString& url) override;
};

// Opens the address; a failure is reported in a message box and the program goes on.
void OpenWebPage(const Services& services, const QString& url);

} // namespace korvanta
