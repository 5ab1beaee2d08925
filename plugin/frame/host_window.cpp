#include "plugin/frame/host_window.h"

#include <QApplication>

#include <cstring>

namespace vamo::plugin {

QWidget* findHostMainWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const char* className : {"Tvamo_main_kzky", "Tvamo_main"}) {
        for (QWidget* window : windows) {
            if (std::strcmp(window->metaObject()->className(), className) == 0) {
                return window;
            }
        }
    }
    return nullptr;
}

} // namespace vamo::plugin
