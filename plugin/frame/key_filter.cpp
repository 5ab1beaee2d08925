#include "plugin/frame/key_filter.h"

namespace vamo::plugin {

bool acceptsTypedCharacter(KeyFilter filter, std::string_view currentText, char32_t typed) {
    if (filter == KeyFilter::None) {
        return true;
    }
    if ((typed >= U'0' && typed <= U'9') || typed == kBackspaceKey || typed == kEnterKey) {
        return true;
    }
    if (typed != U'.') {
        return false;
    }
    switch (filter) {
    case KeyFilter::Decimal:
        return currentText.find('.') == std::string_view::npos;
    case KeyFilter::IntegerWithPoint:
        return true;
    case KeyFilter::Integer:
    case KeyFilter::None:
        break;
    }
    return false;
}

} // namespace vamo::plugin
