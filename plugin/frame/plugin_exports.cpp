// The exports every plug-in shares. Each body runs inside guardedCall, so no exception crosses the
// C boundary.
#include "plugin/frame/plugin_exports.h"

#include "platform/text_encoding.h"
#include "plugin/frame/export_guard.h"
#include "plugin/frame/loaded_plugin.h"

#include <QWidget>

using vamo::plugin::guardedCall;
using vamo::plugin::loadedPlugin;

namespace {

std::string copied(const char16_t* text) {
    return vamo::platform::utf16ToUtf8(text);
}

} // namespace

extern "C" {

void ModalShow(void* parent) {
    auto& plugin = loadedPlugin();
    guardedCall(plugin.dialogs, [&] {
        auto* parentWidget = static_cast<QWidget*>(parent);
        vamo::plugin::PanelModel& model = plugin.module.openPanel();
        if (!plugin.form) {
            plugin.form = new Tconcflex_form(model, plugin.module.hostEdges(), plugin.dialogs);
        }
        // Showing runs FormShow once per panel; a panel shown again keeps what it holds.
        const bool firstShow = plugin.form->isHidden();
        if (plugin.form->parentWidget() != parentWidget || plugin.form->isWindow()) {
            // A child of the host's panel area, not a window of its own.
            plugin.form->setParent(parentWidget, Qt::Widget | Qt::FramelessWindowHint);
        }
        plugin.form->move(0, 0);
        plugin.form->show();
        if (firstShow) {
            plugin.module.showPanel();
        }
    });
}

void Modalclose() {
    auto& plugin = loadedPlugin();
    guardedCall(plugin.dialogs, [&] {
        delete plugin.form.data(); // the view first: it watches the model
        plugin.module.Modalclose();
    });
}

std::int32_t set_sh_param(const char16_t* xmid, const char16_t* grou_table, const char16_t* synum,
                          const char16_t* keynum, const char16_t* curorder, const char16_t* testcount,
                          const char16_t* guige, const char16_t* specgl, const char16_t* area,
                          const char16_t* size1, const char16_t* size2, const char16_t* size3,
                          const char16_t* shch_flag, const char16_t* hjwd, const char16_t* sy_sb) {
    auto& plugin = loadedPlugin();
    return guardedCall(plugin.dialogs, std::int32_t{0}, [&] {
        const vamo::plugin::ShParamArguments arguments{
            copied(xmid),      copied(grou_table), copied(synum),     copied(keynum), copied(curorder),
            copied(testcount), copied(guige),      copied(specgl),    copied(area),   copied(size1),
            copied(size2),     copied(size3),      copied(shch_flag), copied(hjwd),   copied(sy_sb)};
        return plugin.module.set_sh_param(arguments);
    });
}

float dll_test_getsp(std::int32_t) {
    auto& plugin = loadedPlugin();
    return guardedCall(plugin.dialogs, 0.0f, [&] { return plugin.module.dll_test_getsp(); });
}

float dll_test_start(std::int32_t, const char16_t* tester) {
    auto& plugin = loadedPlugin();
    return guardedCall(plugin.dialogs, 0.0f, [&] {
        const std::string name = copied(tester);
        return plugin.module.dll_test_start(name);
    });
}

void dll_test_stop(std::int32_t) {
    auto& plugin = loadedPlugin();
    guardedCall(plugin.dialogs, [&] { plugin.module.dll_test_stop(); });
}

} // extern "C"
