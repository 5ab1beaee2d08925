#pragma once

// Which rule each test-method plug-in evaluates its groups with.

#include "plugin/evaluation/rule_types.h"

#include <span>
#include <string_view>

namespace vamo::rules {

struct PluginRule {
    std::string_view plugin;
    RuleChoice rule;
};

// One row per plug-in.
std::span<const PluginRule> pluginRules();

// The rule of the plug-in named `plugin` (for example "conccomp"); RuleInputError for an unknown name.
RuleChoice ruleForPlugin(std::string_view plugin);

} // namespace vamo::rules
