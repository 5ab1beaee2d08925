#include "plugin/frame/loaded_plugin.h"

#include "platform/program_folder.h"
#include "plugin/frame/host_callback.h"
#include "plugin/frame/host_window.h"
#include "plugin/frame/this_plugin.h"

#include <QCoreApplication>

namespace vamo::plugin {

LoadedPlugin::LoadedPlugin()
    : dialogs(findHostMainWindow),
      module(thisPluginDescriptor(), ModuleServices{.programFolder = platform::programFolder,
                                                    .dialogs = dialogs,
                                                    .handOver = hostDivisorSink(),
                                                    .today = localToday}) {
}

LoadedPlugin::~LoadedPlugin() {
    // A host that unloads the library without Modalclose must not keep a widget whose code is gone.
    if (form && QCoreApplication::instance() != nullptr) {
        delete form.data();
    }
}

LoadedPlugin& loadedPlugin() {
    static LoadedPlugin plugin;
    return plugin;
}

} // namespace vamo::plugin
