#include "logic/pair_document.h"

#include <algorithm>

#include "core/gear_pair_state.h"
#include "logic/entry_replay.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

constexpr std::string_view kProgramName = "Korvanta";

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsControl(char c, bool multiline) {
    if (multiline && (c == '\n' || c == '\t')) {
        return false;
    }
    const auto code = static_cast<unsigned char>(c);
    return code < 0x20 || code == 0x7F;
}

} // namespace

std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& fileName) {
    files = WithoutRecentFile(std::move(files), fileName);
    files.insert(files.begin(), fileName);
    if (files.size() > kRecentFileLimit) {
        files.resize(kRecentFileLimit);
    }
    return files;
}

std::vector<std::string> WithoutRecentFile(std::vector<std::string> files, const std::string& fileName) {
    std::erase(files, fileName);
    return files;
}

std::string RecentFileMenuText(std::size_t index, std::string_view fileName) {
    std::string text = "&" + std::to_string(index + 1) + " ";
    for (char c : fileName) {
        text += c;
        if (c == '&') {
            text += '&';
        }
    }
    return text;
}

void PairDocument::Kept(std::string fileName, PairFile pair) {
    fileName_ = std::move(fileName);
    kept_ = std::move(pair);
}

void PairDocument::Forget() {
    fileName_.reset();
    kept_.reset();
}

bool PairDocument::IsModified(const PairFile& now) const {
    return kept_.has_value() && *kept_ != now;
}

std::string PairDocument::Title(LengthUnit unit) const {
    if (!fileName_) {
        return InLengthUnit(kProgramName, unit);
    }
    return InLengthUnit(ShownFileName(*fileName_) + "[*] - " + std::string(kProgramName), unit);
}

bool LeavesPair(SaveAnswer answer, bool saved) {
    switch (answer) {
    case SaveAnswer::Save:
        return saved;
    case SaveAnswer::Discard:
        return true;
    case SaveAnswer::Cancel:
        break;
    }
    return false;
}

Message SaveQuestion(std::string_view fileName) {
    return Message{"The pair of \"" + ShownFileName(fileName) +
                       "\" has changed since it was opened or saved.\nSave the changes first?",
                   std::string(kMessageTitle), MessageIcon::Exclamation, true};
}

std::string WithPairExtension(std::string_view fileName) {
    if (ShownFileName(fileName).find('.') != std::string::npos) {
        return std::string(fileName);
    }
    return std::string(fileName) + std::string(kPairFileExtension);
}

std::string ShownFileName(std::string_view fileName) {
    const std::size_t slash = fileName.find_last_of('/');
    return std::string(slash == std::string_view::npos ? fileName : fileName.substr(slash + 1));
}

PairFile PairOfWindows(const InputForm& form, const Session& session) {
    PairFile pair;
    pair.unit = form.Unit();
    pair.kind = form.ChosenKind();
    for (InputField field : kInputFields) {
        pair.entries[static_cast<std::size_t>(field)] = form.Text(field);
    }
    StoreChoices(pair, session.MeasurementChoices());
    pair.job = session.Job();
    pair.sheet = session.Sheet();
    return pair;
}

void StartAfresh(GearPairState& state) {
    state = GearPairState{};
    SetStartUpConstants(state);
}

void ApplyPair(InputForm& freshForm, Session& session, const PairFile& pair) {
    freshForm.ChooseUnit(pair.unit);
    TypeEntries(freshForm, pair.kind, TypedEntries(pair));
    session.MeasurementChoices() = ChoicesOf(pair);
    session.Job() = pair.job;
    session.Sheet() = pair.sheet;
}

std::string CleanJobText(std::string_view text, bool multiline) {
    std::string clean;
    std::size_t characters = 0;
    for (char c : text) {
        if (IsControl(c, multiline)) {
            continue;
        }
        if (!IsContinuationByte(c)) {
            if (characters == kJobTextLimit) {
                break;
            }
            ++characters;
        }
        clean += c;
    }
    return clean;
}

} // namespace korvanta
