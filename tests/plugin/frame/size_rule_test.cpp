// The size handler of every plug-in: fixed texts, parsed texts and their defaults.
#include "plugin/frame/plugin_error.h"
#include "plugins/all_descriptors.h"
#include "tests/plugin/frame/station_fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace vamo::plugin {
namespace {

using plugins::descriptorNamed;

struct SizeCase {
    const char* plugin;
    const char* size;
    float area;
    std::optional<std::string> factorItem = std::nullopt; // selected in ComboBox_xzxs
    const char* span = nullptr; // ComboBox_kj; the default when null
    const char* recordSize2 = "";
    std::optional<float> firstDimension = std::nullopt;
    std::optional<float> secondDimension = std::nullopt;
};

void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.plugin << " \"" << c.size << "\"" << (c.span ? std::string(" span ") + c.span : "");
}

class SizeRule : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizeRule, GivesTheAreaFactor) {
    const SizeCase& c = GetParam();
    const MethodDescriptor& method = descriptorNamed(c.plugin);
    test::ModuleHarness harness(method);
    PanelModel& panel = harness.showPanel();

    const bool hasFactor = panel.hasField(FieldId::ComboBox_xzxs);
    // A factor other than the one the size text selects, to see whether it is selected.
    const std::string before = c.factorItem.value_or("1") == "1" ? "1.05" : "1";
    if (hasFactor) {
        panel.setText(FieldId::ComboBox_xzxs, before);
    }
    if (c.span != nullptr) {
        panel.setText(FieldId::ComboBox_kj, c.span);
    }
    harness.module.record().size2 = c.recordSize2;
    panel.setText(method.size.field, c.size);
    panel.sizeHandler();

    EXPECT_FLOAT_EQ(panel.area_factor(), c.area);
    if (hasFactor) {
        EXPECT_EQ(panel.text(FieldId::ComboBox_xzxs), c.factorItem.value_or(before));
    }
    if (c.firstDimension) {
        EXPECT_FLOAT_EQ(panel.first_dimension(), *c.firstDimension);
        EXPECT_FLOAT_EQ(panel.second_dimension(), *c.secondDimension);
    }
}

const SizeCase kFixedTexts[] = {
    {"conccomp", "150*150*150", 22.5f, "1"},
    {"conccomp", "100*100*100", 10.0f, "0.95"},
    {"conccomp", "200*200*200", 40.0f, "1.05"},
    {"conccomp", "Φ150*300", 17.671459f, "1"},
    {"conccomp", "Φ100*100", 7.8539815f, "0.95"},
    {"conccomp", "Φ100*200", 7.8539815f, "0.95"},
    {"conccomp", "Φ200*400", 31.415926f, "1.05"},
    {"cmodulus", "150*150*300", 22.5f},
    {"cmodulus", "100*100*300", 10.0f},
    {"cmodulus", "200*200*400", 40.0f},
    {"cmodulus", "Φ150*300", 17.671459f},
    {"cmodulus", "Φ100*200", 7.8539815f},
    {"cmodulus", "Φ200*400", 31.415926f},
    {"unconfcomp", "Φ150*150", 17.671459f, "1"},
    {"unconfcomp", "Φ100*100", 7.8539815f, "0.95"},
    {"unconfcomp", "Φ50*50", 1.9634954f, "0.95"},
    {"aerblock", "100*100*100", 10.0f, "0.95"},
    {"mortcomp", "40*40", 1.6f},
    {"mortcomp", "50*50", 2.5f},
    {"mortcomp", "25*25", 0.625f},
    {"pastecomp", "40*40", 1.6f},
    {"pastecomp", "50*50", 2.5f},
    {"pastecomp", "25*25", 0.625f},
    {"wallcomp", "100*190", 19.0f, "1", nullptr, "", 100.0f, 190.0f},
    {"wallcomp", "110*180", 19.8f, "1", nullptr, "", 110.0f, 180.0f},
    {"concflex", "150*150*600", 7.5f, "1"},
    {"concflex", "150*150*550", 7.5f, "1"},
    {"concflex", "100*100*400", 3.3333333f, "0.85"},
};
INSTANTIATE_TEST_SUITE_P(FixedTexts, SizeRule, ::testing::ValuesIn(kFixedTexts));

const SizeCase kParsedTexts[] = {
    {"conccomp", "120*150", 18.0f},
    {"conccomp", "Φ100", 7.8539815f}, // the diameter runs to the end of the text
    {"conccomp", "abc", 22.5f}, // defaults 150 and 150
    {"conccomp", " 150*150*150", 22.5f}, // fixed texts are compared untrimmed: parsed, no factor selected
    {"conccomp", "100", 15.0f}, // the second number is absent
    {"conccomp", "Φ", 17.671459f}, // diameter 150
    {"conccomp", "1.2.3*100", 15.0f}, // a run that is no number is absent
    {"cmodulus", "abc", 10.0f}, // defaults 100 and 100
    {"cmodulus", "Φ120*240", 11.309734f},
    {"unconfcomp", "Φ80*80", 5.0265482f},
    {"unconfcomp", "abc", 22.5f},
    {"aerblock", "600*100*200", 60.0f},
    {"aerblock", "abc", 60.0f}, // defaults 600 and 100
    {"aerblock", "Φ", 282.74334f}, // diameter 600
    {"mortcomp", "30*50", 1.5f},
    {"mortcomp", "Φ30*50", 1.2f}, // prism only: the "Φ" ends an empty first number
    {"pastecomp", "abc", 1.6f}, // defaults 40 and 40
    {"firedcomp", "240*115*53", 27.6f, std::nullopt, nullptr, "", 240.0f, 115.0f},
    {"firedcomp", "abc", 10.0f, std::nullopt, nullptr, "", 100.0f, 100.0f},
    {"firedcomp", "Φ50", 5.0f, std::nullopt, nullptr, "", 50.0f, 100.0f}, // d x size2 (100 when none)
    {"firedcomp", "Φ", 6.0f, std::nullopt, nullptr, "120", 50.0f, 120.0f},
    {"wallcomp", "240*115*53", 27.6f, std::nullopt, nullptr, "", 240.0f, 115.0f},
    {"wallcomp", "abc", 2.5f, std::nullopt, nullptr, "", 50.0f, 50.0f},
    {"wallcomp", "Φ60", 2.8274334f, std::nullopt, nullptr, "", 60.0f, 100.0f},
    {"wallcomp", "Φ60", 2.8274334f, std::nullopt, nullptr, "90", 60.0f, 90.0f},
    {"concflex", "120*120*400", 4.8f}, // b^2 / 3000
    {"concflex", "Φ90*300", 2.7f},
    {"concflex", "abc", 7.5f},
    {"firedflex", "240*115*53", 1.3459792f, std::nullopt, "160"}, // 115 * 53^2 / (1.5 * 160 * 1000)
    {"firedflex", "240*115*53", 2.1535666f, std::nullopt, "100"},
    {"firedflex", "240*115*53", 1.3459792f, std::nullopt, "abc"}, // span 160 when none
    {"firedflex", "250**250*40", 26.041666f, std::nullopt, "160"}, // b default 100, h 250
    {"wallflex", "240*115*90", 3.88125f, std::nullopt, " 160 "},
    {"wallflex", "abc", 4.1666665f, std::nullopt, "160"}, // b and h 100
    {"pasteflex", "40", 0.42666668f, std::nullopt, "100"}, // 40^3 / (1.5 * 100 * 1000)
    {"pasteflex", "50", 1.6666666f, std::nullopt, "50"},
    {"pasteflex", "abc", 0.42666668f, std::nullopt, "abc"}, // edge 40 and span 100 when none
    {"gnrl", "22500", 22.5f},
    {"gnrl", " 7853 ", 7.853f},
};
INSTANTIATE_TEST_SUITE_P(ParsedTexts, SizeRule, ::testing::ValuesIn(kParsedTexts));

TEST(EnteredArea, ThatIsNoNumberIsAConversionError) {
    test::ModuleHarness harness(descriptorNamed("gnrl"));
    PanelModel& panel = harness.showPanel();
    panel.setText(FieldId::ComboBox_mj, "abc");
    EXPECT_THROW(panel.sizeHandler(), ConversionError);
}

} // namespace
} // namespace vamo::plugin
