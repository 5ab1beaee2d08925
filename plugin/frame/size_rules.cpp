#include "plugin/frame/size_rules.h"

#include "platform/number_text.h"
#include "plugin/frame/number_fields.h"
#include "plugin/frame/size_text.h"

#include <numbers>

namespace vamo::plugin {
namespace {

double circleArea(double diameter) {
    return std::numbers::pi * (diameter / 2) * (diameter / 2) / 1000;
}

double numberOr(std::string_view text, double fallback) {
    return platform::parseFloatingPoint(trimmedSizeText(text)).value_or(fallback);
}

SizeOutcome areaOnly(double area) {
    return SizeOutcome{.areaFactor = static_cast<float>(area)};
}

SizeOutcome withDimensions(double area, double first, double second) {
    return SizeOutcome{.areaFactor = static_cast<float>(area),
                       .firstDimension = static_cast<float>(first),
                       .secondDimension = static_cast<float>(second)};
}

SizeOutcome parsedSize(const SizeRule& rule, const SizeInputs& inputs) {
    const std::string_view text = trimmedSizeText(inputs.sizeText);
    const bool cylinder = isCylinderText(text);
    const double diameter = cylinderDiameter(text).value_or(rule.defaultDiameter);
    const PrismNumbers prism = prismNumbers(text);
    const double first = prism.first.value_or(rule.defaultFirst);
    const double second = prism.second.value_or(rule.defaultSecond);

    switch (rule.formula) {
    case SizeFormula::SectionArea:
        return areaOnly(cylinder ? circleArea(diameter) : first * second / 1000);
    case SizeFormula::PrismArea:
        return areaOnly(first * second / 1000);
    case SizeFormula::BrickArea:
        if (cylinder) {
            const double length = numberOr(inputs.recordSize2, rule.defaultRecordSize2);
            return withDimensions(diameter * length / 1000, diameter, length);
        }
        return withDimensions(first * second / 1000, first, second);
    case SizeFormula::WallBrickArea:
        if (cylinder) {
            const double length = numberOr(inputs.recordSize2, rule.defaultRecordSize2);
            return withDimensions(circleArea(diameter), diameter, length);
        }
        return withDimensions(first * second / 1000, first, second);
    case SizeFormula::BeamSection: {
        const double side = cylinder ? diameter : first;
        return areaOnly(side * side / 3000);
    }
    case SizeFormula::BrickBending: {
        const double width = prism.second.value_or(rule.defaultFirst);
        const double height = prism.third.value_or(rule.defaultSecond);
        const double span = numberOr(inputs.spanText, rule.defaultSpan);
        return areaOnly(width * height * height / (1.5 * span * 1000));
    }
    case SizeFormula::PrismEdgeBending: {
        const double edge = numberOr(inputs.sizeText, rule.defaultFirst);
        const double span = numberOr(inputs.spanText, rule.defaultSpan);
        return areaOnly(edge * edge * edge / (1.5 * span * 1000));
    }
    case SizeFormula::EnteredArea:
        return areaOnly(numberIn(inputs.sizeText, inputs.sizeCaption) / 1000);
    }
    return areaOnly(0);
}

} // namespace

SizeOutcome evaluateSize(const SizeRule& rule, const SizeInputs& inputs) {
    for (const FixedSize& fixed : rule.fixed) {
        if (inputs.sizeText == fixed.text) {
            return SizeOutcome{fixed.areaFactor, fixed.factorItem, fixed.firstDimension,
                               fixed.secondDimension};
        }
    }
    return parsedSize(rule, inputs);
}

} // namespace vamo::plugin
