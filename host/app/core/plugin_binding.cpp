#include "host/app/core/plugin_binding.h"

#include "platform/text_encoding.h"

#include <bit>
#include <cstdint>

namespace vamo::host {

namespace {

constexpr std::string_view unavailableText = "功能无效";

using ModalShowFunction = void(void*);
using ModalcloseFunction = void();
using SpeedFunction = float(std::int32_t);
using StartFunction = float(std::int32_t, const char16_t*);
using StopFunction = void(std::int32_t);
using EndOneFunction = std::int32_t(std::int32_t, float, float, float, float, const char16_t*,
                                    const char16_t*);
using EndAllFunction = void(std::int32_t);

} // namespace

float PluginBinding::lowerYieldConstant() {
    return std::bit_cast<float>(std::uint32_t{0x44BA63F0});
}

PluginBinding::~PluginBinding() = default;

void PluginBinding::reportUnavailable() {
    dialogs_.message(unavailableText, unavailableText);
}

void* PluginBinding::resolve(const char* name) {
    void* address = library_ ? library_->symbol(name) : nullptr;
    if (address == nullptr) {
        reportUnavailable();
    }
    return address;
}

void PluginBinding::unload(bool callModalclose) {
    if (!library_) {
        return;
    }
    if (callModalclose) {
        if (auto* modalclose = library_->function<ModalcloseFunction>("Modalclose")) {
            modalclose();
        }
    }
    library_.reset();
    panelShown_ = false;
}

bool PluginBinding::bind(const std::string& pluginName, void* panelParent) {
    unload(true);
    library_ = platform::DynamicLibrary::load(dllFolder_ / (pluginName + platform::librarySuffix()));
    ModalShowFunction* modalShow = nullptr;
    if (library_) {
        modalShow = library_->function<ModalShowFunction>("ModalShow");
    } else {
        reportUnavailable();
    }
    if (modalShow == nullptr) {
        reportUnavailable();
        return false;
    }
    modalShow(panelParent);
    panelShown_ = true;
    return true;
}

void PluginBinding::unloadWithoutClose() {
    unload(false);
}

void PluginBinding::closeAndUnload() {
    unload(true);
}

std::optional<float> PluginBinding::speed() {
    auto* getsp = reinterpret_cast<SpeedFunction*>(resolve("dll_test_getsp"));
    if (getsp == nullptr) {
        return std::nullopt;
    }
    return getsp(0);
}

std::optional<float> PluginBinding::start(std::string_view tester) {
    auto* startExport = reinterpret_cast<StartFunction*>(resolve("dll_test_start"));
    if (startExport == nullptr) {
        return std::nullopt;
    }
    const std::u16string name = platform::utf8ToUtf16(tester);
    return startExport(0, name.c_str());
}

bool PluginBinding::stop() {
    auto* stopExport = reinterpret_cast<StopFunction*>(resolve("dll_test_stop"));
    if (stopExport == nullptr) {
        return false;
    }
    stopExport(0);
    return true;
}

std::optional<int> PluginBinding::endOne(int uploadFlag, float peakForce) {
    auto* endOneExport = reinterpret_cast<EndOneFunction*>(resolve("dll_test_endone"));
    if (endOneExport == nullptr) {
        return std::nullopt;
    }
    return endOneExport(uploadFlag, peakForce, testTime, lowerYieldConstant(), gaugeConstant, curveFileName,
                        curveTableName);
}

bool PluginBinding::endAll(int uploadFlag) {
    auto* endAllExport = reinterpret_cast<EndAllFunction*>(resolve("dll_test_endall"));
    if (endAllExport == nullptr) {
        return false;
    }
    endAllExport(uploadFlag);
    return true;
}

void PluginBinding::rebind() {
    if (rebind_) {
        rebind_();
    }
}

} // namespace vamo::host
