#pragma once

#include <QString>
#include <QStringList>

#include "test_services.h"
#include "ui/common/browser.h"

namespace korvanta::testing {

// Records every address the program asks the browser to open; `succeeds` decides the answer.
// Installed for its lifetime.
class RecordingBrowser : public Browser {
public:
    bool Open(const QString& url) override {
        opened.append(url);
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;

private:
    Replace<Browser> installed_{TheServices().browser, this};
};

} // namespace korvanta::testing
