#pragma once

#include <QString>

// The maker's addresses: the one place where the program's web site and e-mail are set.
namespace korvanta::product {

inline QString WebSite() {
    return QStringLiteral("www.korvanta.example");
}
inline QString DownloadPage() {
    return WebSite() + QStringLiteral("/download.html");
}
inline QString Email() {
    return QStringLiteral("gears@korvanta.example");
}

} // namespace korvanta::product
