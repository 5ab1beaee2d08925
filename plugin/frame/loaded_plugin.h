#pragma once

#include "platform/ui/qt_dialogs.h"
#include "plugin/frame/plugin_module.h"
#include "plugin/frame/tconcflex_form.h"

#include <QPointer>

namespace vamo::plugin {

// What a loaded plug-in library keeps between the calls of the host: the module state and the panel
// widget. Made at the first export call, gone when the library is unloaded. The exports are plain C
// functions of a library that exists once in the process, so this state is the library's own.
struct LoadedPlugin {
    LoadedPlugin();
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;

    platform::QtDialogs dialogs; // message boxes owned by the host's main window
    PluginModule module;
    QPointer<Tconcflex_form> form;
};

LoadedPlugin& loadedPlugin();

} // namespace vamo::plugin
