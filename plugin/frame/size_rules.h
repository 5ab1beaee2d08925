#pragma once

#include "plugin/frame/method_descriptor.h"

#include <optional>
#include <string>
#include <string_view>

namespace vamo::plugin {

// The texts the size handler reads.
struct SizeInputs {
    std::string_view sizeText; // the field of the size rule (ComboBox_mj, or ComboBox_bc)
    std::string_view spanText; // ComboBox_kj; empty where the plug-in has none
    std::string_view recordSize2; // the parameter record's size2
    std::string_view sizeCaption; // names the field in a conversion error
};

struct SizeOutcome {
    float areaFactor = 0;
    std::optional<std::string> factorItem{}; // item of ComboBox_xzxs to select
    std::optional<float> firstDimension{};
    std::optional<float> secondDimension{};
};

// The area factor of a size text: a fixed text (compared untrimmed) sets it directly, any other text
// is parsed with the defaults of the rule. Only EnteredArea can fail (ConversionError).
SizeOutcome evaluateSize(const SizeRule& rule, const SizeInputs& inputs);

} // namespace vamo::plugin
