// The fixed loads of the elastic modulus test; only the cmodulus library links this file.
#include "plugin/frame/export_guard.h"
#include "plugin/frame/loaded_plugin.h"
#include "plugin/frame/plugin_exports.h"

using vamo::plugin::guardedCall;
using vamo::plugin::loadedPlugin;

extern "C" {

float dll_test_getgd(std::int32_t) {
    auto& plugin = loadedPlugin();
    return guardedCall(plugin.dialogs, 0.0f, [&] { return plugin.module.dll_test_getgd(); });
}

float dll_test_getdd(std::int32_t) {
    auto& plugin = loadedPlugin();
    return guardedCall(plugin.dialogs, 0.0f, [&] { return plugin.module.dll_test_getdd(); });
}

} // extern "C"
