#pragma once

#include <QMimeData>
#include <memory>

namespace korvanta {

// Where a copied table goes; reached through the windows' Services, so that a test reads back what a
// window copied.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual void Put(std::unique_ptr<QMimeData> data) = 0;
};

// The system clipboard, which takes the data over.
class SystemClipboard : public Clipboard {
public:
    void Put(std::unique_ptr<QMimeData> data) override;
};

} // namespace korvanta
