#include "ui/common/browser.h"

#include <QDesktopServices>
#include <QUrl>

#include "ui/common/dialogs.h"
#include "ui/common/services.h"

namespace korvanta {

bool SystemBrowser::Open(const QString& url) {
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

void OpenWebPage(const Services& services, const QString& url) {
    if (services.browser->Open(url)) {
        return;
    }
    Message message; // under the program's own title
    message.text = "The web browser could not be started for " + url.toStdString() + ".";
    message.icon = MessageIcon::Exclamation;
    services.dialogs->Show(message);
}

} // namespace korvanta
