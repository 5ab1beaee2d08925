#pragma once

#include "platform/ini_document.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace vamo::platform {

// An INI file on disk: loaded whole when constructed (a missing file is an empty document), edited in
// memory, written back by save() in the encoding it had, replacing the file atomically.
class IniFile {
public:
    // Throws FileError when the file exists but cannot be read, EncodingError for a UTF-16 file.
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    const IniDocument& document() const { return document_; }

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    std::string valueOr(std::string_view section, std::string_view key, std::string_view fallback) const;

    // Changes the document only; save() writes it. Throws IniError / EncodingError as IniDocument does.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // Writes the file when something was changed since it was loaded; then it is on disk.
    // Throws FileError (for example when the folder does not exist).
    void save();

private:
    std::filesystem::path path_;
    IniDocument document_;
    bool unsaved_ = false;
};

// Single-key accesses: open the file, read or write one key, close it again.
std::string readIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                         std::string_view fallback);
void writeIniValue(const std::filesystem::path& path, std::string_view section, std::string_view key,
                   std::string_view value);

} // namespace vamo::platform
