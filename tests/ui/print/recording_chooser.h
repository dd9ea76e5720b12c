#pragma once

#include <QString>

#include "support/test_services.h"
#include "ui/print/save_file_chooser.h"

namespace korvanta::testing {

// Answers the file dialog with `answer` (empty: cancelled) and records how it was asked. Installed
// for its lifetime.
class RecordingChooser : public SaveFileChooser {
public:
    QString ChooseSaveFile(const QString& caption, const QString& suggestedName,
                           const QString& filter) override {
        ++calls;
        lastCaption = caption;
        lastSuggestion = suggestedName;
        lastFilter = filter;
        return answer;
    }

    QString answer;
    int calls = 0;
    QString lastCaption;
    QString lastSuggestion;
    QString lastFilter;

private:
    Replace<SaveFileChooser> installed_{TheServices().fileChooser, this};
};

} // namespace korvanta::testing
