#pragma once

#include "host/app/core/run_interfaces.h"
#include "platform/dialogs.h"
#include "platform/dynamic_library.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace vamo::host {

// The loaded test-method plug-in. Every export is resolved by name when it is needed; a missing library
// or export is reported with "功能无效" (text and caption) and never ends the program.
class PluginBinding : public RunPlugin {
public:
    PluginBinding(std::filesystem::path dllFolder, platform::Dialogs& dialogs)
        : dllFolder_(std::move(dllFolder)),
          dialogs_(dialogs) {}
    ~PluginBinding() override;

    // Calls Modalclose of the loaded plug-in (if it has one), unloads it, loads `pluginName` from the dll
    // folder and shows its panel in `panelParent`. True when a panel was shown.
    bool bind(const std::string& pluginName, void* panelParent);
    // Unloads without calling Modalclose (printing does this).
    void unloadWithoutClose();
    // Modalclose and unload (shutdown).
    void closeAndUnload();

    bool loaded() const override { return library_ != nullptr; }
    bool hasPanel() const { return panelShown_; }
    void reportUnavailable() override;

    // dll_test_getsp(0) at start-up.
    std::optional<float> speed();
    std::optional<float> start(std::string_view tester) override;
    bool stop() override;
    std::optional<int> endOne(int uploadFlag, float peakForce) override;
    bool endAll(int uploadFlag) override;
    void rebind() override;

    // Binds the ticked method again; set by the main window.
    void setRebind(std::function<void()> rebind) { rebind_ = std::move(rebind); }

    // The three constant singles and the curve names the host hands to dll_test_endone.
    static constexpr float testTime = 0.0f;
    static float lowerYieldConstant(); // the single with the bits 44 BA 63 F0
    static constexpr float gaugeConstant = 12.2f; // bits 41 43 33 33
    static constexpr const char16_t* curveFileName = u"temp_mdb.mdb";
    static constexpr const char16_t* curveTableName = u"temp";

private:
    // The export `name`, or null after showing "功能无效".
    void* resolve(const char* name);
    void unload(bool callModalclose);

    std::filesystem::path dllFolder_;
    platform::Dialogs& dialogs_;
    std::unique_ptr<platform::DynamicLibrary> library_;
    bool panelShown_ = false;
    std::function<void()> rebind_;
};

} // namespace vamo::host
