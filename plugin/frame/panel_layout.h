#pragma once

#include "plugin/frame/method_descriptor.h"

#include <optional>

namespace vamo::plugin {

// The top and bottom edge of the host's main window on the screen (0, 0 when there is none).
struct HostEdges {
    int top = 0;
    int bottom = 0;

    friend bool operator==(const HostEdges&, const HostEdges&) = default;
};

struct PanelGeometry {
    int gridHeight;
    int groupTop;

    friend bool operator==(const PanelGeometry&, const PanelGeometry&) = default;
};

// relayout: fits the result grid and the parameter group to the height of the host window. Nothing to
// do (no value) when the plug-in does not relayout or the edges equal the cached ones; otherwise the
// cache takes the new edges.
std::optional<PanelGeometry> relayout(const PanelLayout& layout, HostEdges& cache, HostEdges host,
                                      int groupHeight, int titleHeight);

} // namespace vamo::plugin
