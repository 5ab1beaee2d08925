#pragma once

#include "plugin/frame/method_descriptor.h"

#include <string>
#include <vector>

// Building blocks for the method descriptors: the fields every plug-in shares, and fields with the
// caption, kind, maximum length, filter and key most plug-ins give them.
namespace vamo::plugin {

// A field with the usual caption, kind, maximum length, filter and key of its id.
FieldSpec makeField(FieldId id, std::vector<std::string> items = {}, std::string defaultText = {});

// The items "1", "2", ... up to `last`.
std::vector<std::string> numberedItems(int last);

FieldSpec groupNumberField(); // Edit_bh, never stored
FieldSpec speedField(); // the computed load speed label
FieldSpec countField(int last, std::string defaultText); // ComboBox_sjks with "1" to last
FieldSpec modeField(); // ComboBox_ddlx: 单独试验 / 连续试验
FieldSpec delayField(); // ComboBox_yssj: 8 to 32 seconds, default 16

// Removes every maximum length (a panel that limits nothing).
void removeMaxLengths(std::vector<FieldSpec>& fields);

// Gives the integer filter of these fields the "." without limit.
void allowPointInIntegers(std::vector<FieldSpec>& fields);

} // namespace vamo::plugin
