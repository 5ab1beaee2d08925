#pragma once

#include "platform/dialogs.h"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace vamo::platform {

// The dialog service on Qt: message boxes and input boxes with exactly the given texts and captions,
// owned by a window found when the dialog opens (null: no owner).
class QtDialogs : public Dialogs {
public:
    using OwnerLookup = std::function<QWidget*()>;

    explicit QtDialogs(OwnerLookup owner = {}) : owner_(std::move(owner)) {}

    DialogAnswer message(std::string_view text, std::string_view caption, DialogButtons buttons,
                         DialogIcon icon) override;
    std::optional<std::string> input(std::string_view caption, std::string_view prompt,
                                     std::string_view initial) override;
    void error(std::string_view text) override;

private:
    QWidget* owner() const { return owner_ ? owner_() : nullptr; }
    OwnerLookup owner_;
};

// The caption of the one error dialog that shows a failed operation.
inline constexpr std::string_view errorDialogCaption = "错误";

} // namespace vamo::platform
