#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vamo::platform {

enum class DialogButtons { Ok, YesNo };
enum class DialogAnswer { Ok, Yes, No, Cancel };
enum class DialogIcon { None, Information, Warning, Error, Question };

// Every message box and input box of the station is shown through this service, so that tests can
// answer them. Texts and captions are shown exactly as given.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual DialogAnswer message(std::string_view text, std::string_view caption,
                                 DialogButtons buttons = DialogButtons::Ok,
                                 DialogIcon icon = DialogIcon::None) = 0;

    // An input box; the typed text, or no value when it was cancelled.
    virtual std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                             std::string_view initial = {}) = 0;

    // The one error dialog that shows a failed operation's error text.
    virtual void error(std::string_view text) = 0;

    bool askYesNo(std::string_view text, std::string_view caption) {
        return message(text, caption, DialogButtons::YesNo, DialogIcon::Question) == DialogAnswer::Yes;
    }
};

} // namespace vamo::platform
