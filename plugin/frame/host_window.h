#pragma once

#include <QWidget>

namespace vamo::plugin {

// The host's main window among the application's top-level widgets, by class name: "Tvamo_main_kzky"
// first, then "Tvamo_main"; null when there is neither.
QWidget* findHostMainWindow();

} // namespace vamo::plugin
