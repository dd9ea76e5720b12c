#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/inspection_measurements.h"
#include "core/length_unit.h"
#include "core/member.h"
#include "logic/calculate.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// Who and what a pair belongs to, as the inspector types it; every text may be empty.
struct JobData {
    std::string pinionPart;
    std::string gearPart;
    std::string drawing;
    std::string revision;
    std::string inspector;
    std::string note; // may hold line breaks and tabs; the others are one line

    bool operator==(const JobData&) const = default;
};

// The longest text of the job data, in characters.
inline constexpr std::size_t kJobTextLimit = 300;
// The largest pair file read; a pair takes a few hundred bytes.
inline constexpr std::size_t kPairFileLimit = 1024 * 1024;

inline constexpr std::string_view kPairFileExtension = ".korvanta";
inline constexpr std::string_view kPairFileFormat = "korvanta-pair";
inline constexpr int kPairFileMajorVersion = 1;
inline constexpr int kPairFileMinorVersion = 1;

// A kept pair: what the input window and the measurements window show, the job data and the entries
// of the inspection sheet. An empty entry is a field left empty; an empty measurement entry takes the
// default tool. The sheet's tip reliefs, like the tools, follow the output table's columns.
struct PairFile {
    LengthUnit unit = LengthUnit::Inch;
    PairKind kind = PairKind::External;
    FieldTexts entries;                 // indexed by InputField, as the fields show them
    PerMember<std::string> pinDiameter; // as the measurements window shows them when typed
    PerMember<std::string> spanTeeth;
    JobData job;
    SheetEntries sheet; // a file of version 1.0 has none: all empty

    bool operator==(const PairFile&) const = default;
};

// What reading a pair file gave: the pair, or the message that names the file and what is wrong
// with it. A file of a newer minor version is read as far as this version knows it, and says so.
struct PairFileReading {
    std::optional<PairFile> pair;
    std::string error;
    std::optional<std::string> notice;
};

// The pair in the bytes of a file called `fileName` (the name is only for the messages).
PairFileReading ReadPairFile(std::string_view fileName, std::string_view bytes);

// The file's text: JSON in UTF-8 with every key, always written alike for the same pair.
std::string PairFileText(const PairFile& pair);

// Why a file could not be opened or read at all, or could not be written.
std::string UnreadablePairFile(std::string_view fileName, std::string_view reason);
std::string UnwritablePairFile(std::string_view fileName, std::string_view reason);

// The entries in the order the input window takes them after the kind is chosen: each non-empty one is
// typed into its field and the field left.
std::array<std::optional<std::string>, 8> TypedEntries(const PairFile& pair);

// The measuring tools of the file (an empty entry: the default), and the entries that give them back
// exactly.
PerMember<MeasurementChoice> ChoicesOf(const PairFile& pair);
void StoreChoices(PairFile& pair, const PerMember<MeasurementChoice>& choices);

} // namespace korvanta
