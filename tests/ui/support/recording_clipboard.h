#pragma once

#include <QMimeData>
#include <memory>

#include "test_services.h"
#include "ui/common/clipboard.h"

namespace korvanta::testing {

// Keeps what a window put on the clipboard; installed for its lifetime.
class RecordingClipboard : public Clipboard {
public:
    void Put(std::unique_ptr<QMimeData> data) override {
        ++puts;
        last = std::move(data);
    }

    int puts = 0;
    std::unique_ptr<QMimeData> last;

private:
    Replace<Clipboard> installed_{TheServices().clipboard, this};
};

} // namespace korvanta::testing
