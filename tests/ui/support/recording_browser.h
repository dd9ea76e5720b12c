#pragma once

#include <QString>
#include <QStringList>

#include "ui/common/browser.h"

namespace korvanta::testing {

// Records every address the program asks the browser to open; `succeeds` decides the answer.
// Installed for its lifetime.
class RecordingBrowser : public Browser {
public:
    RecordingBrowser() { SetBrowser(this); }
    ~RecordingBrowser() override { SetBrowser(nullptr); }

    bool Open(const QString& url) override {
        opened.append(url);
        return succeeds;
    }

    QStringList opened;
    bool succeeds = true;
};

} // namespace korvanta::testing
