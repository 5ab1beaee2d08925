#pragma once

#include "plugin/frame/method_descriptor.h"
#include "plugin/frame/plugin_module.h"
#include "tests/support/scripted_dialogs.h"

#include <filesystem>
#include <string>
#include <vector>

namespace vamo::plugin::test {

// A station folder of its own in the temporary folder, removed again afterwards: db/ with the two
// group file templates (empty databases without password), and output/.
class StationFolder {
public:
    StationFolder();
    ~StationFolder();
    StationFolder(const StationFolder&) = delete;
    StationFolder& operator=(const StationFolder&) = delete;

    const std::filesystem::path& root() const { return root_; }
    std::filesystem::path output() const { return root_ / "output"; }
    std::filesystem::path sysSetIni() const { return root_ / "sys_set.ini"; }
    std::filesystem::path templatePath(int number) const;

    void writeSysSet(const std::string& content) const;
    std::string readSysSet() const;

private:
    std::filesystem::path root_;
};

// A plug-in module on a station folder, with a scripted dialog service, a recorder of the divisors
// handed to the host and a fixed date (2024-03-05).
struct ModuleHarness {
    explicit ModuleHarness(const MethodDescriptor& method);

    // ModalShow's part in the core: the panel, shown.
    PanelModel& showPanel();

    StationFolder station;
    vamo::testing::ScriptedDialogs dialogs;
    std::vector<float> divisors;
    CalendarDate today{2024, 3, 5};
    PluginModule module;
};

// The texts of the test_set rows of a group record file, in table order ("name=str").
std::vector<std::string> testSetOf(const std::filesystem::path& groupFile);

// The group file a panel set to this group number and age uses.
std::filesystem::path groupFileFor(const ModuleHarness& harness, const MethodDescriptor& method,
                                   const std::string& groupNumber, const std::string& age);

} // namespace vamo::plugin::test
