#pragma once

#include <deque>
#include <vector>

#include "ui/common/dialogs.h"

namespace korvanta::testing {

// Records every message box and question instead of showing it; questions are answered from
// `answers` in order, then with `defaultAnswer`. Installed for its lifetime.
class RecordingDialogs : public Dialogs {
public:
    RecordingDialogs() { SetDialogs(this); }
    ~RecordingDialogs() override { SetDialogs(nullptr); }

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

    std::vector<Message> shown;
    std::deque<bool> answers;
    bool defaultAnswer = true;
};

} // namespace korvanta::testing
