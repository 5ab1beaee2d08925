#include "platform/gb18030_codec.h"

#include "platform/platform_error.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace vamo::platform {
namespace {

// Owns one iconv conversion descriptor.
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from) : handle_(::iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1)) {
            throw EncodingError(std::string("iconv cannot convert from ") + from + " to " + to + ": "
                                + std::strerror(errno));
        }
    }
    ~IconvConverter() { ::iconv_close(handle_); }
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    // Converts as much as possible; returns false and leaves `input` at the offending byte when the
    // input holds an invalid or incomplete sequence.
    bool convert(std::string_view& input, std::string& output) {
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        char buffer[1024];
        bool clean = true;
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = ::iconv(handle_, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result == static_cast<std::size_t>(-1)) {
                if (errno == E2BIG) {
                    continue;
                }
                clean = false;
                break;
            }
        }
        input.remove_prefix(input.size() - inLeft);
        // Flush any shift state and reset for the next call.
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        ::iconv(handle_, nullptr, nullptr, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        return clean;
    }

private:
    iconv_t handle_;
};

} // namespace

std::string gb18030ToUtf8(std::string_view gb18030) {
    IconvConverter converter("UTF-8", "GB18030");
    std::string output;
    output.reserve(gb18030.size() * 3 / 2);
    while (!gb18030.empty()) {
        if (!converter.convert(gb18030, output)) {
            output += "\xEF\xBF\xBD";
            gb18030.remove_prefix(1);
        }
    }
    return output;
}

std::string utf8ToGb18030(std::string_view utf8) {
    IconvConverter converter("GB18030", "UTF-8");
    std::string output;
    output.reserve(utf8.size());
    const std::size_t inputSize = utf8.size();
    if (!converter.convert(utf8, output)) {
        throw EncodingError("cannot encode text as GB18030 (at byte "
                            + std::to_string(inputSize - utf8.size()) + ")");
    }
    return output;
}

} // namespace vamo::platform
