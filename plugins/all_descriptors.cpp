#include "plugins/all_descriptors.h"

#include "plugins/aerblock/aerblock_descriptor.h"
#include "plugins/cmodulus/cmodulus_descriptor.h"
#include "plugins/conccomp/conccomp_descriptor.h"
#include "plugins/concflex/concflex_descriptor.h"
#include "plugins/firedcomp/firedcomp_descriptor.h"
#include "plugins/firedflex/firedflex_descriptor.h"
#include "plugins/gnrl/gnrl_descriptor.h"
#include "plugins/mortcomp/mortcomp_descriptor.h"
#include "plugins/pastecomp/pastecomp_descriptor.h"
#include "plugins/pasteflex/pasteflex_descriptor.h"
#include "plugins/unconfcomp/unconfcomp_descriptor.h"
#include "plugins/wallcomp/wallcomp_descriptor.h"
#include "plugins/wallflex/wallflex_descriptor.h"

#include <array>
#include <stdexcept>
#include <string>

namespace vamo::plugins {

std::span<const plugin::MethodDescriptor* const> allDescriptors() {
    static const std::array<const plugin::MethodDescriptor*, 13> descriptors = {
        &cmodulusDescriptor(),  &firedflexDescriptor(), &wallflexDescriptor(),   &conccompDescriptor(),
        &concflexDescriptor(),  &firedcompDescriptor(), &pasteflexDescriptor(),  &mortcompDescriptor(),
        &pastecompDescriptor(), &wallcompDescriptor(),  &unconfcompDescriptor(), &gnrlDescriptor(),
        &aerblockDescriptor()};
    return descriptors;
}

const plugin::MethodDescriptor& descriptorNamed(std::string_view name) {
    for (const plugin::MethodDescriptor* descriptor : allDescriptors()) {
        if (descriptor->name == name) {
            return *descriptor;
        }
    }
    throw std::out_of_range("no test method named " + std::string(name));
}

} // namespace vamo::plugins
