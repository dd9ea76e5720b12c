#pragma once

#include <QPageSize>
#include <QString>

namespace korvanta {

// `korvanta --sheet FILE --output SHEET.pdf`: the sheet of a pair file written as a PDF file, with no
// window: the file read as the windows read it, its pair calculated as Calculate calculates it and
// measured with its own tools. The command's exit status: 0 written, 2 a file that cannot be read or
// whose pair cannot be calculated, 4 a PDF file that cannot be written; each failure on standard error,
// naming the file and what is wrong.
int WriteSheetOfPairFile(const QString& pairFile, const QString& output, const QPageSize& paper);

} // namespace korvanta
