// Dialogs that answer from a queue and record every message, so a test can check the exact text.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shared/platform/dialogs.h"

namespace testsupport {

struct RecordedMessage {
    std::string text;
    std::string title;
    platform::MessageButtons buttons;
    platform::MessageIcon icon;
    platform::DefaultButton defaultButton;
};

struct RecordedInput {
    std::string prompt;
    std::string title;
    std::string preset;
};

class FakeDialogs final : public platform::Dialogs {
  public:
    // Answers are used in order; with none queued a message gets its first button's answer.
    std::deque<platform::Answer> answers;
    std::deque<std::string> inputs;  // the texts typed into input boxes, empty when none queued
    std::vector<RecordedMessage> messages;
    std::vector<RecordedInput> inputRequests;

    platform::Answer message(const std::string& text, const std::string& title,
                             platform::MessageButtons buttons, platform::MessageIcon icon,
                             platform::DefaultButton defaultButton) override {
        messages.push_back({text, title, buttons, icon, defaultButton});
        if (!answers.empty()) {
            const auto answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return buttons == platform::MessageButtons::YesNo ? platform::Answer::Yes
                                                          : platform::Answer::Ok;
    }

    std::string input(const std::string& prompt, const std::string& title,
                      const std::string& preset) override {
        inputRequests.push_back({prompt, title, preset});
        if (inputs.empty()) return {};
        auto text = inputs.front();
        inputs.pop_front();
        return text;
    }
};

}  // namespace testsupport
