// Every built plug-in library loads and exports the plug-in interface, and nothing of its C++ inside.
#include "platform/dynamic_library.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

const char* const kPlugins[] = {"cmodulus",   "firedflex", "wallflex", "conccomp",  "concflex",
                                "firedcomp",  "pasteflex", "mortcomp", "pastecomp", "wallcomp",
                                "unconfcomp", "gnrl",      "aerblock"};

const char* const kEveryPluginExports[] = {"ModalShow",       "Modalclose",     "set_sh_param",
                                           "dll_test_getsp",  "dll_test_start", "dll_test_stop",
                                           "dll_test_endone", "dll_test_endall"};

std::filesystem::path pluginPath(const std::string& name) {
    return std::filesystem::path(VAMO_STATION_DIR) / "dll" / (name + ".so");
}

class PluginLibrary : public ::testing::TestWithParam<const char*> {};

TEST_P(PluginLibrary, ExportsThePluginInterface) {
    const std::string name = GetParam();
    std::string error;
    const auto library = vamo::platform::DynamicLibrary::load(pluginPath(name), &error);
    ASSERT_NE(library, nullptr) << error;
    for (const char* symbol : kEveryPluginExports) {
        EXPECT_NE(library->symbol(symbol), nullptr) << symbol;
    }
    const bool fixedLoads = name == "cmodulus";
    EXPECT_EQ(library->symbol("dll_test_getgd") != nullptr, fixedLoads);
    EXPECT_EQ(library->symbol("dll_test_getdd") != nullptr, fixedLoads);
}

TEST_P(PluginLibrary, KeepsItsInsideHidden) {
    const auto library = vamo::platform::DynamicLibrary::load(pluginPath(GetParam()));
    ASSERT_NE(library, nullptr);
    // The frame's descriptor entry and module, and a platform function linked into every plug-in.
    EXPECT_EQ(library->symbol("_ZN4vamo6plugin20thisPluginDescriptorEv"), nullptr);
    EXPECT_EQ(library->symbol("_ZN4vamo6plugin12loadedPluginEv"), nullptr);
    EXPECT_EQ(library->symbol("_ZN4vamo8platform13programFolderEv"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllPlugins, PluginLibrary, ::testing::ValuesIn(kPlugins));

} // namespace
