#pragma once

#include "platform/dialogs.h"

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

namespace vamo::testing {

// A dialog service for tests: answers come from a queue the test fills, and every dialog shown is
// recorded with its texts. A dialog with no queued answer gets the default answer (Ok, No, cancelled input).
class ScriptedDialogs : public platform::Dialogs {
public:
    struct Shown {
        enum class Kind { Message, Input, Error } kind;
        std::string text; // message text, input prompt or error text
        std::string caption;
        platform::DialogButtons buttons = platform::DialogButtons::Ok;
    };

    void answer(platform::DialogAnswer reply) { answers_.push_back(reply); }
    void answerInput(std::optional<std::string> reply) { inputs_.push_back(std::move(reply)); }

    platform::DialogAnswer message(std::string_view text, std::string_view caption,
                                   platform::DialogButtons buttons, platform::DialogIcon) override {
        shown.push_back({Shown::Kind::Message, std::string(text), std::string(caption), buttons});
        if (answers_.empty()) {
            return buttons == platform::DialogButtons::YesNo ? platform::DialogAnswer::No
                                                             : platform::DialogAnswer::Ok;
        }
        auto reply = answers_.front();
        answers_.pop_front();
        return reply;
    }

    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view) override {
        shown.push_back({Shown::Kind::Input, std::string(prompt), std::string(caption)});
        if (inputs_.empty()) {
            return std::nullopt;
        }
        auto reply = inputs_.front();
        inputs_.pop_front();
        return reply;
    }

    void error(std::string_view text) override {
        shown.push_back({Shown::Kind::Error, std::string(text), "", {}});
    }

    // The texts of the messages shown, in order ("text|caption").
    std::vector<std::string> messages() const {
        std::vector<std::string> result;
        for (const auto& s : shown) {
            if (s.kind == Shown::Kind::Message) {
                result.push_back(s.text + "|" + s.caption);
            }
        }
        return result;
    }
    std::vector<std::string> errors() const {
        std::vector<std::string> result;
        for (const auto& s : shown) {
            if (s.kind == Shown::Kind::Error) {
                result.push_back(s.text);
            }
        }
        return result;
    }

    std::vector<Shown> shown;

private:
    std::deque<platform::DialogAnswer> answers_;
    std::deque<std::optional<std::string>> inputs_;
};

} // namespace vamo::testing
