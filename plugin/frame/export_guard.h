#pragma once

#include "platform/dialogs.h"

#include <exception>
#include <utility>

namespace vamo::plugin {

// Runs the body of an export so that no exception leaves it: an error is shown in the error dialog
// and the export returns `failed`.
template <typename Result, typename Body>
Result guardedCall(platform::Dialogs& dialogs, Result failed, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (const std::exception& error) {
        try {
            dialogs.error(error.what());
        } catch (...) {
        }
    } catch (...) {
        try {
            dialogs.error("unknown error");
        } catch (...) {
        }
    }
    return failed;
}

template <typename Body>
void guardedCall(platform::Dialogs& dialogs, Body&& body) noexcept {
    guardedCall(dialogs, 0, [&body] {
        std::forward<Body>(body)();
        return 0;
    });
}

} // namespace vamo::plugin
