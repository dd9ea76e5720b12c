#pragma once

#include <deque>
#include <vector>

#include "test_services.h"
#include "ui/common/dialogs.h"

namespace korvanta::testing {

// Records every message box and question instead of showing it; questions are answered from
// `answers` in order, then with `defaultAnswer`. Installed for its lifetime.
class RecordingDialogs : public Dialogs {
public:
    void Show(const Message& message) override { shown.push_back(message); }
    bool Ask(const Message& question) override {
        shown.push_back(question);
        if (answers.empty()) {
            return defaultAnswer;
        }
        bool answer = answers.front();
        answers.pop_front();
        return answer;
    }

    SaveAnswer AskToSave(const Message& question) override {
        shown.push_back(question);
        ++saveQuestions;
        if (saveAnswers.empty()) {
            return defaultSaveAnswer;
        }
        SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }

    std::vector<Message> shown;
    std::deque<bool> answers;
    bool defaultAnswer = true;
    int saveQuestions = 0;
    std::deque<SaveAnswer> saveAnswers;
    SaveAnswer defaultSaveAnswer = SaveAnswer::Cancel;

private:
    Replace<Dialogs> installed_{TheServices().dialogs, this};
};

} // namespace korvanta::testing
