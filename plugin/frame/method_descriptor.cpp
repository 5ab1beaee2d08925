#include "plugin/frame/method_descriptor.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vamo::plugin {

bool MethodDescriptor::hasField(FieldId id) const {
    return std::any_of(fields.begin(), fields.end(), [id](const FieldSpec& spec) { return spec.id == id; });
}

const FieldSpec& MethodDescriptor::field(FieldId id) const {
    const auto found =
        std::find_if(fields.begin(), fields.end(), [id](const FieldSpec& spec) { return spec.id == id; });
    if (found == fields.end()) {
        throw std::out_of_range("the panel of " + name + " has no field " + std::string(objectName(id)));
    }
    return *found;
}

} // namespace vamo::plugin
