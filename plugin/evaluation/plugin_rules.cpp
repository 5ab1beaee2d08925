#include "plugin/evaluation/plugin_rules.h"

#include <algorithm>
#include <array>
#include <string>

namespace vamo::rules {

namespace {

using enum RuleFamily;
using enum StrengthSource;

// The strength source is that of the plain mean; the load-line rule derives its strength from the
// force text whatever the count, the iterative and modulus rules never take a plain mean of this kind.
constexpr std::array kPluginRules{
    PluginRule{"conccomp", {MiddleValueRounded, FromStrengths}},
    PluginRule{"concflex", {LoadLine, FromForceText}},
    PluginRule{"cmodulus", {Modulus, FromStrengths}},
    PluginRule{"firedflex", {Iterative10, FromStrengths}},
    PluginRule{"wallflex", {Iterative10, FromStrengths}},
    PluginRule{"pasteflex", {Iterative10, FromStrengths}},
    PluginRule{"firedcomp", {SixSpecimen, FromStrengths}},
    PluginRule{"mortcomp", {SixSpecimen, FromStrengths}},
    PluginRule{"pastecomp", {SixSpecimen, FromStrengths}},
    PluginRule{"wallcomp", {PlainMean, FromForceText}},
    PluginRule{"unconfcomp", {PlainMean, FromForceText}},
    PluginRule{"gnrl", {PlainMean, FromForceText}},
    PluginRule{"aerblock", {PlainMean, FromForceText}},
};

} // namespace

std::span<const PluginRule> pluginRules() {
    return kPluginRules;
}

RuleChoice ruleForPlugin(std::string_view plugin) {
    const auto found = std::ranges::find(kPluginRules, plugin, &PluginRule::plugin);
    if (found == kPluginRules.end()) {
        throw RuleInputError("no evaluation rule for plug-in '" + std::string(plugin) + "'");
    }
    return found->rule;
}

} // namespace vamo::rules
