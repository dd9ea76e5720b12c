#include "ui/common/browser.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/common/dialogs.h"

namespace korvanta {

namespace {

class SystemBrowser : public Browser {
public:
    bool Open(const QString& url) override { return QDesktopServices::openUrl(QUrl::fromUserInput(url)); }
};

Browser*& Installed() {
    static Browser* installed = nullptr;
    return installed;
}

} // namespace

Browser& AppBrowser() {
    static SystemBrowser system;
    if (Installed() != nullptr) {
        return *Installed();
    }
    return system;
}

void SetBrowser(Browser* browser) {
    Installed() = browser;
}

void OpenWebPage(const QString& url) {
    if (AppBrowser().Open(url)) {
        return;
    }
    Message message; // under the program's own title
    message.text = "The web browser could not be started for " + url.toStdString() + ".";
    message.icon = MessageIcon::Exclamation;
    AppDialogs().Show(message);
}

} // namespace korvanta
