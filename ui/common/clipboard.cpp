#include "ui/common/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace korvanta {

void SystemClipboard::Put(std::unique_ptr<QMimeData> data) {
    QGuiApplication::clipboard()->setMimeData(data.release());
}

} // namespace korvanta
