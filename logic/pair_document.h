#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/length_unit.h"
#include "logic/input_form.h"
#include "logic/pair_file.h"
#include "logic/session.h"

namespace korvanta {

// The files of the File › Open Recent menu, the latest first.
inline constexpr std::size_t kRecentFileLimit = 8;

// The list after `fileName` was opened or saved: it comes first, once, and the oldest beyond the
// limit drop out.
std::vector<std::string> WithRecentFile(std::vector<std::string> files, const std::string& fileName);
// The list without a file that could not be opened.
std::vector<std::string> WithoutRecentFile(std::vector<std::string> files, const std::string& fileName);
// The menu text of the recent file at `index` (0 first): its number as the mnemonic, then the name,
// with every & doubled so that the menu shows it as it is.
std::string RecentFileMenuText(std::size_t index, std::string_view fileName);

// The answers to the question whether a changed pair is to be saved first.
enum class SaveAnswer { Save, Discard, Cancel };

// The pair of the windows, and the file it was last opened from or saved to. A pair that never came
// from a file nor went to one has no file, and is never asked about: a user who does not use files
// meets the program as before.
class PairDocument {
public:
    const std::optional<std::string>& FileName() const { return fileName_; }
    // The pair as the windows showed it right after it was opened from or saved to the file.
    void Kept(std::string fileName, PairFile pair);
    // A new pair, from no file.
    void Forget();

    // The windows' pair differs from the one last opened or saved.
    bool IsModified(const PairFile& now) const;
    // Whether leaving the pair (a new one, another file, the end of the program) asks first.
    bool AsksToSave(const PairFile& now) const { return IsModified(now); }

    // The input window's title: the file's name (without its folder) with the modified mark
    // placeholder of the window, then the program's name, in the pair's units.
    std::string Title(LengthUnit unit) const;

private:
    std::optional<std::string> fileName_;
    std::optional<PairFile> kept_;
};

// Whether the pair may be left after the answer to the save question; `saved` tells whether the save
// it asked for was written. A failed save keeps the pair, so that nothing typed is lost.
bool LeavesPair(SaveAnswer answer, bool saved);

// The question asked before a changed pair of the file is left.
Message SaveQuestion(std::string_view fileName);

// The name the user chose to save to, with the pair file extension when its last part has none.
std::string WithPairExtension(std::string_view fileName);

// The file name's last part, for the title and the messages' short forms.
std::string ShownFileName(std::string_view fileName);

// The pair the windows show: the input form's entries, kind and units, the session's measurement
// choices, job data and sheet entries.
PairFile PairOfWindows(const InputForm& form, const Session& session);

// Puts the state back to what a fresh start gives (the start-up angle constants, nothing entered).
void StartAfresh(GearPairState& state);

// Puts the pair of a file into a fresh form of a fresh state (StartAfresh) and the session: the units
// chosen, the entries typed as a user types them, the measurement choices, the job data and the sheet
// entries.
void ApplyPair(InputForm& freshForm, Session& session, const PairFile& pair);

// A typed job text as the file keeps it: control characters taken out (the note keeps its line
// breaks and tabs) and cut to kJobTextLimit characters.
std::string CleanJobText(std::string_view text, bool multiline);

} // namespace korvanta
