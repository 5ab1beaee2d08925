#include "platform/ini_file.h"

#include "platform/file_io.h"
#include "platform/platform_error.h"

namespace vamo::platform {
namespace {

IniDocument loadDocument(const std::filesystem::path& path) {
    const auto bytes = readFileIfExists(path);
    if (!bytes) {
        return IniDocument();
    }
    try {
        return IniDocument::parse(*bytes);
    } catch (const EncodingError& error) {
        throw EncodingError(path.string() + ": " + error.what());
    }
}

} // namespace

IniFile::IniFile(std::filesystem::path path) : path_(std::move(path)), document_(loadDocument(path_)) {
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    return document_.value(section, key);
}

std::string IniFile::valueOr(std::string_view section, std::string_view key,
                             std::string_view fallback) const {
    auto found = document_.value(section, key);
    return found ? std::move(*found) : std::string(fallback);
}

void IniFile::setValue(std::string_view section, std::string_view key, std::string_view value) {
    try {
        unsaved_ = document_.setValue(section, key, value) || unsaved_;
    } catch (const IniError& error) {
        throw IniError(path_.string() + ": " + error.what());
    } catch (const EncodingError& error) {
        throw EncodingError(path_.string() + ": [" + std::string(section) + "] " + std::string(key) + ": "
                            + error.what());
    }
}

void IniFile::save() {
    if (!unsaved_) {
        return;
    }
    writeFileAtomically(path_, document_.serialize());
    unsaved_ = false;
}

std::string readIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                         std::string_view fallback) {
    return IniFile(path).valueOr(section, key, fallback);
}

void writeIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                   std::string_view value) {
    IniFile file(path);
    file.setValue(section, key, value);
    file.save();
}

} // namespace vamo::platform
