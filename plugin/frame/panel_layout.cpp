#include "plugin/frame/panel_layout.h"

namespace vamo::plugin {

std::optional<PanelGeometry> relayout(const PanelLayout& layout, HostEdges& cache, HostEdges host,
                                      int groupHeight, int titleHeight) {
    if (!layout.relayout || host == cache) {
        return std::nullopt;
    }
    cache = host;
    const int height = host.bottom - host.top;
    return PanelGeometry{height - groupHeight - titleHeight - layout.gridOffset,
                         height - groupHeight - layout.groupOffset};
}

} // namespace vamo::plugin
