#pragma once

#include "plugin/frame/method_descriptor.h"

#include <string>
#include <vector>

// Test methods that share one table of fields and rules and differ only in a few entries: each family
// builds the shared descriptor, the plug-in's folder sets its own differences.
namespace vamo::plugins {

struct FamilyMember {
    std::string name;
    std::string title;
    std::string prefix;
    std::vector<std::string> varieties; // ComboBox_sjpz
    std::string varietyDefault;
    std::vector<std::string> grades; // ComboBox_qddj
    std::string gradeDefault;
};

// The flexural bricks (firedflex, wallflex): variety, grade, age, size, span, load speed, factor.
plugin::MethodDescriptor brickFlexuralMethod(FamilyMember member, std::string speedCaption);

// The cement prisms in compression (mortcomp, pastecomp): variety, grade, age, size, load speed, factor.
plugin::MethodDescriptor cementPrismMethod(FamilyMember member, std::vector<std::string> ageThreeItems);

} // namespace vamo::plugins
