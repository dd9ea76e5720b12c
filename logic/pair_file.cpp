#include "logic/pair_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>

#include "core/number_text.h"
#include "logic/key_filter.h"

namespace korvanta {

namespace {

using Json = nlohmann::ordered_json;

// The entries' keys in the order of the input fields; the pitch is the diametral pitch of an inch pair
// and the module of a metric one.
constexpr std::array<const char*, 8> kEntryKeys = {"nt1", "nt2", "pitch", "pa", "ha", "od1", "od2", "cd"};

struct JobKey {
    const char* key;
    std::string JobData::*text;
    bool multiline;
};

constexpr std::array<JobKey, 6> kJobKeys = {{
    {"pinion_part", &JobData::pinionPart, false},
    {"gear_part", &JobData::gearPart, false},
    {"drawing", &JobData::drawing, false},
    {"revision", &JobData::revision, false},
    {"inspector", &JobData::inspector, false},
    {"note", &JobData::note, true},
}};

// The members' tip reliefs, in the output table's columns as the measurement tools are.
constexpr std::array<const char*, 2> kTipReliefKeys = {"tip_relief1", "tip_relief2"};

// The first version whose files hold the sheet's entries.
constexpr int kSheetMinorVersion = 1;

// A fault of the file's content, with the reason the user is told.
struct BadContent {
    std::string reason;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

const Json& Value(const Json& object, const std::string& path, const char* key) {
    const auto found = object.find(key);
    if (found == object.end()) {
        throw BadContent{"the key " + Quoted(path + key) + " is missing"};
    }
    return *found;
}

const Json& Object(const Json& object, const char* key) {
    const Json& value = Value(object, "", key);
    if (!value.is_object()) {
        throw BadContent{"the key " + Quoted(key) + " must hold an object"};
    }
    return value;
}

std::string Text(const Json& object, const std::string& path, const char* key) {
    const Json& value = Value(object, path, key);
    if (!value.is_string()) {
        throw BadContent{"the key " + Quoted(path + key) + " must hold a text"};
    }
    return value.get<std::string>();
}

std::size_t Characters(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(
        utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

bool HasControlCharacter(std::string_view text, bool multiline) {
    return std::any_of(text.begin(), text.end(), [multiline](char c) {
        const auto code = static_cast<unsigned char>(c);
        if (multiline && (c == '\n' || c == '\t')) {
            return false;
        }
        return code < 0x20 || code == 0x7F;
    });
}

// An entry the field it is typed into would take: only the characters of its keys, and a number that
// fits the field.
std::string FieldEntry(const Json& object, const std::string& path, const char* key, std::string_view keys) {
    std::string text = Text(object, path, key);
    if (PasteRefusal(keys, text)) {
        throw BadContent{"the entry " + Quoted(path + key) + " (" + Quoted(text) +
                         ") holds characters its field does not take: only " + std::string(keys)};
    }
    if (!FitsSingle(text)) {
        throw BadContent{"the entry " + Quoted(path + key) + " is too large for its field"};
    }
    return text;
}

// A number of the sheet: empty for an empty text, else the whole text read as a finite decimal number.
std::optional<double> SheetNumber(const Json& object, const std::string& path, const char* key) {
    const std::string text = Text(object, path, key);
    if (text.empty()) {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || !std::isfinite(value)) {
        throw BadContent{"the key " + Quoted(path + key) + " must hold a number, not " + Quoted(text)};
    }
    return value;
}

double RequiredSheetNumber(const Json& object, const std::string& path, const char* key) {
    const std::optional<double> value = SheetNumber(object, path, key);
    if (!value) {
        throw BadContent{"the key " + Quoted(path + key) + " must hold a number, not an empty text"};
    }
    return *value;
}

std::optional<int> AccuracyClass(const Json& sheet) {
    const std::string text = Text(sheet, "sheet.", "accuracy_class");
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || last != end || value < kLowestAccuracyClass ||
        value > kHighestAccuracyClass) {
        throw BadContent{"the key \"sheet.accuracy_class\" must hold a class from 1 to 11, not " +
                         Quoted(text)};
    }
    return value;
}

std::optional<HelixHand> HandOf(const Json& sheet) {
    const std::string text = Text(sheet, "sheet.", "helix_hand");
    if (text.empty()) {
        return std::nullopt;
    }
    if (text != "right" && text != "left") {
        throw BadContent{"the key \"sheet.helix_hand\" must hold \"right\", \"left\" or an empty text, not " +
                         Quoted(text)};
    }
    return text == "right" ? HelixHand::Right : HelixHand::Left;
}

// A member's tip relief: an empty object for none, else its start (a diameter or a roll angle, above
// 0) and the least and the most relief at the outside diameter (0 or more, the least not above the
// most).
std::optional<TipRelief> TipReliefOf(const Json& sheet, const char* key) {
    const std::string path = std::string("sheet.") + key;
    const Json& value = Value(sheet, "sheet.", key);
    if (!value.is_object()) {
        throw BadContent{"the key " + Quoted(path) + " must hold an object"};
    }
    if (value.empty()) {
        return std::nullopt;
    }
    const bool byDiameter = value.contains("start_diameter");
    if (byDiameter == value.contains("start_roll_angle")) {
        throw BadContent{"the key " + Quoted(path) +
                         " must hold either \"start_diameter\" or \"start_roll_angle\""};
    }
    const std::string inside = path + ".";
    const char* startKey = byDiameter ? "start_diameter" : "start_roll_angle";
    TipRelief relief;
    relief.startGiven = byDiameter ? TipRelief::StartGiven::Diameter : TipRelief::StartGiven::RollAngle;
    relief.start = RequiredSheetNumber(value, inside, startKey);
    relief.least = RequiredSheetNumber(value, inside, "least");
    relief.most = RequiredSheetNumber(value, inside, "most");
    if (relief.start <= 0.0) {
        throw BadContent{"the key " + Quoted(inside + startKey) + " must hold a number above 0"};
    }
    if (relief.least < 0.0 || relief.most < 0.0) {
        throw BadContent{"the keys " + Quoted(inside + "least") + " and " + Quoted(inside + "most") +
                         " must hold amounts of 0 or more"};
    }
    if (relief.least > relief.most) {
        throw BadContent{"the key " + Quoted(inside + "least") + " holds more relief than " +
                         Quoted(inside + "most")};
    }
    return relief;
}

SheetEntries SheetOf(const Json& file) {
    const Json& sheet = Object(file, "sheet");
    SheetEntries entries;
    entries.faceWidth = SheetNumber(sheet, "sheet.", "face_width");
    if (entries.faceWidth && *entries.faceWidth <= 0.0) {
        throw BadContent{"the key \"sheet.face_width\" must hold a face width above 0, not " +
                         Quoted(Text(sheet, "sheet.", "face_width"))};
    }
    entries.accuracyClass = AccuracyClass(sheet);
    entries.helixHand = HandOf(sheet);
    for (Member member : kMembers) {
        entries.tipRelief[member] = TipReliefOf(sheet, kTipReliefKeys[IndexOf(member)]);
    }
    return entries;
}

Json SheetJson(const SheetEntries& entries) {
    Json sheet = Json::object();
    sheet["face_width"] = entries.faceWidth ? ShortestFixedText(*entries.faceWidth) : "";
    sheet["accuracy_class"] = entries.accuracyClass ? std::to_string(*entries.accuracyClass) : "";
    sheet["helix_hand"] = !entries.helixHand ? "" : *entries.helixHand == HelixHand::Right ? "right" : "left";
    for (Member member : kMembers) {
        Json relief = Json::object();
        if (const std::optional<TipRelief>& given = entries.tipRelief[member]) {
            const bool byDiameter = given->startGiven == TipRelief::StartGiven::Diameter;
            relief[byDiameter ? "start_diameter" : "start_roll_angle"] = ShortestFixedText(given->start);
            relief["least"] = ShortestFixedText(given->least);
            relief["most"] = ShortestFixedText(given->most);
        }
        sheet[kTipReliefKeys[IndexOf(member)]] = relief;
    }
    return sheet;
}

struct Version {
    int major = 0;
    int minor = 0;
};

Version VersionOf(const Json& file) {
    const std::string text = Text(file, "", "version");
    Version version;
    const char* end = text.data() + text.size();
    auto [point, error] = std::from_chars(text.data(), end, version.major);
    if (error != std::errc() || point == end || *point != '.') {
        throw BadContent{"the key \"version\" must hold a version such as \"1.0\", not " + Quoted(text)};
    }
    auto [last, minorError] = std::from_chars(point + 1, end, version.minor);
    if (minorError != std::errc() || last != end) {
        throw BadContent{"the key \"version\" must hold a version such as \"1.0\", not " + Quoted(text)};
    }
    return version;
}

PairFile PairOf(const Json& file) {
    if (!file.is_object()) {
        throw BadContent{"it does not hold a JSON object"};
    }
    const std::string format = Text(file, "", "format");
    if (format != kPairFileFormat) {
        throw BadContent{"its format is " + Quoted(format) + ", not " + Quoted(kPairFileFormat)};
    }
    const Version version = VersionOf(file);
    if (version.major > kPairFileMajorVersion) {
        throw BadContent{"it was written in format version " + std::to_string(version.major) + "." +
                         std::to_string(version.minor) + " by a newer Korvanta; this one reads version " +
                         std::to_string(kPairFileMajorVersion) + " files"};
    }
    PairFile pair;
    const std::string units = Text(file, "", "units");
    if (units != "inch" && units != "millimetre") {
        throw BadContent{"the key \"units\" must hold \"inch\" or \"millimetre\", not " + Quoted(units)};
    }
    pair.unit = units == "inch" ? LengthUnit::Inch : LengthUnit::Millimetre;
    const std::string kind = Text(file, "", "kind");
    if (kind != "external" && kind != "internal") {
        throw BadContent{"the key \"kind\" must hold \"external\" or \"internal\", not " + Quoted(kind)};
    }
    pair.kind = kind == "external" ? PairKind::External : PairKind::Internal;

    const Json& entries = Object(file, "entries");
    for (InputField field : kInputFields) {
        const auto index = static_cast<std::size_t>(field);
        pair.entries[index] = FieldEntry(entries, "entries.", kEntryKeys[index], AllowedKeys(field));
    }
    const Json& measurement = Object(file, "measurement");
    pair.pinDiameter = {FieldEntry(measurement, "measurement.", "pin1", kNumberKeys),
                        FieldEntry(measurement, "measurement.", "pin2", kNumberKeys)};
    pair.spanTeeth = {FieldEntry(measurement, "measurement.", "span1", kToothKeys),
                      FieldEntry(measurement, "measurement.", "span2", kToothKeys)};
    const Json& job = Object(file, "job");
    for (const JobKey& key : kJobKeys) {
        std::string text = Text(job, "job.", key.key);
        if (Characters(text) > kJobTextLimit) {
            throw BadContent{"the job data " + Quoted(std::string("job.") + key.key) + " is longer than " +
                             std::to_string(kJobTextLimit) + " characters"};
        }
        if (HasControlCharacter(text, key.multiline)) {
            throw BadContent{"the job data " + Quoted(std::string("job.") + key.key) +
                             " holds control characters"};
        }
        pair.job.*key.text = std::move(text);
    }
    // The sheet's entries came with version 1.1; an older file has none.
    if (file.contains("sheet") || version.minor >= kSheetMinorVersion) {
        pair.sheet = SheetOf(file);
    }
    return pair;
}

std::string NotAPairFile(std::string_view fileName, std::string_view reason) {
    return "The file " + Quoted(fileName) + " cannot be opened as a Korvanta pair: " + std::string(reason) +
           ".";
}

} // namespace

PairFileReading ReadPairFile(std::string_view fileName, std::string_view bytes) {
    PairFileReading reading;
    if (bytes.size() > kPairFileLimit) {
        reading.error = NotAPairFile(fileName, "it is larger than 1 MiB");
        return reading;
    }
    if (bytes.find('\0') != std::string_view::npos) {
        reading.error = NotAPairFile(fileName, "it holds binary data, not text");
        return reading;
    }
    const Json file = Json::parse(bytes, nullptr, false);
    if (file.is_discarded()) {
        reading.error = NotAPairFile(fileName, "it is not complete, valid JSON in UTF-8");
        return reading;
    }
    try {
        reading.pair = PairOf(file);
        const Version version = VersionOf(file);
        if (version.major == kPairFileMajorVersion && version.minor > kPairFileMinorVersion) {
            reading.notice = "The file " + Quoted(fileName) +
                             " was written by a newer Korvanta (format version " +
                             std::to_string(version.major) + "." + std::to_string(version.minor) +
                             "): what this version does not know of it is left out.";
        }
    } catch (const BadContent& bad) {
        reading.error = NotAPairFile(fileName, bad.reason);
    }
    return reading;
}

std::string PairFileText(const PairFile& pair) {
    Json file;
    file["format"] = kPairFileFormat;
    file["version"] = std::to_string(kPairFileMajorVersion) + "." + std::to_string(kPairFileMinorVersion);
    file["units"] = pair.unit == LengthUnit::Inch ? "inch" : "millimetre";
    file["kind"] = pair.kind == PairKind::External ? "external" : "internal";
    Json entries = Json::object();
    for (std::size_t index = 0; index < kEntryKeys.size(); ++index) {
        entries[kEntryKeys[index]] = pair.entries[index];
    }
    file["entries"] = entries;
    file["measurement"] = {{"pin1", pair.pinDiameter.pinion},
                           {"pin2", pair.pinDiameter.gear},
                           {"span1", pair.spanTeeth.pinion},
                           {"span2", pair.spanTeeth.gear}};
    Json job = Json::object();
    for (const JobKey& key : kJobKeys) {
        job[key.key] = pair.job.*key.text;
    }
    file["job"] = job;
    file["sheet"] = SheetJson(pair.sheet);
    // Text that is not UTF-8 is written with replacement characters rather than refused.
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::string UnreadablePairFile(std::string_view fileName, std::string_view reason) {
    return "The file " + Quoted(fileName) + " cannot be read: " + std::string(reason) + ".";
}

std::string UnwritablePairFile(std::string_view fileName, std::string_view reason) {
    return "The pair could not be saved to " + Quoted(fileName) + ": " + std::string(reason) +
           ". The file was left as it was.";
}

std::array<std::optional<std::string>, 8> TypedEntries(const PairFile& pair) {
    std::array<std::optional<std::string>, 8> typed;
    for (std::size_t index = 0; index < typed.size(); ++index) {
        if (!pair.entries[index].empty()) {
            typed[index] = pair.entries[index];
        }
    }
    return typed;
}

PerMember<MeasurementChoice> ChoicesOf(const PairFile& pair) {
    PerMember<MeasurementChoice> choices;
    for (Member member : kMembers) {
        if (!pair.pinDiameter[member].empty()) {
            choices[member].pinDiameter = LeadingNumber(pair.pinDiameter[member]);
        }
        if (!pair.spanTeeth[member].empty()) {
            choices[member].spanTeeth = static_cast<int>(LeadingNumber(pair.spanTeeth[member]));
        }
    }
    return choices;
}

void StoreChoices(PairFile& pair, const PerMember<MeasurementChoice>& choices) {
    for (Member member : kMembers) {
        pair.pinDiameter[member].clear();
        pair.spanTeeth[member].clear();
        if (const std::optional<double>& pin = choices[member].pinDiameter) {
            pair.pinDiameter[member] = ShortestFixedText(*pin);
        }
        if (const std::optional<int>& span = choices[member].spanTeeth) {
            pair.spanTeeth[member] = std::to_string(*span);
        }
    }
}

} // namespace korvanta
