// relayout: fitting the result grid and the parameter group to the host window.
#include "plugin/frame/panel_layout.h"
#include "plugins/all_descriptors.h"

#include <gtest/gtest.h>

#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

struct LayoutCase {
    const char* plugin;
    int gridHeight;
    int groupTop;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.plugin;
}

class Relayout : public ::testing::TestWithParam<LayoutCase> {};

// A host window from y 100 to 868 (H = 768), a group of 400 and a title of 40 pixels.
TEST_P(Relayout, FitsTheGridAndTheGroupToTheHostHeight) {
    HostEdges cache;
    const auto geometry = relayout(descriptorNamed(GetParam().plugin).layout, cache, {100, 868}, 400, 40);
    ASSERT_TRUE(geometry.has_value());
    EXPECT_EQ(*geometry, (PanelGeometry{GetParam().gridHeight, GetParam().groupTop}));
    EXPECT_EQ(cache, (HostEdges{100, 868}));
}

INSTANTIATE_TEST_SUITE_P(Offsets, Relayout,
                         ::testing::Values(LayoutCase{"conccomp", 768 - 400 - 40 - 125, 768 - 400 - 130},
                                           LayoutCase{"pasteflex", 768 - 400 - 40 - 115, 768 - 400 - 120},
                                           LayoutCase{"wallcomp", 768 - 400 - 40 - 130, 768 - 400 - 130}));

TEST(Relayout, DoesNothingWhileTheHostEdgesStayTheSame) {
    const PanelLayout& layout = descriptorNamed("conccomp").layout;
    HostEdges cache;
    EXPECT_FALSE(relayout(layout, cache, {0, 0}, 400, 40)); // no host window, nothing cached yet
    EXPECT_TRUE(relayout(layout, cache, {0, 700}, 400, 40));
    EXPECT_FALSE(relayout(layout, cache, {0, 700}, 400, 40));
    EXPECT_TRUE(relayout(layout, cache, {10, 710}, 400, 40)); // moved: same height, laid out again
}

TEST(Relayout, IsNotDoneInTheAeratedBlockPanel) {
    HostEdges cache;
    EXPECT_FALSE(relayout(descriptorNamed("aerblock").layout, cache, {0, 700}, 400, 40));
    EXPECT_EQ(descriptorNamed("aerblock").layout.height, 613);
    EXPECT_EQ(descriptorNamed("conccomp").layout.height, 1024);
}

} // namespace
} // namespace vamo::plugin
