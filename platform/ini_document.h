#pragma once

#include "platform/text_encoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vamo::platform {

// The text of an INI profile file, read and written like the classic profile-file functions, while
// every line that is not changed keeps its exact bytes (comments, blank lines, order, line endings).
//
// Reading: section and key names are compared without regard to ASCII case; names and values are
// trimmed of surrounding blanks; a value enclosed in a pair of double quotes is returned without them.
// The first matching section and the first matching key in it count.
// Writing: `key=value` replaces the key's line in place, or is appended at the end of its section
// (before the blank lines that end it), or a new section is appended at the end of the file. New and
// changed lines are encoded like the file; a changed line keeps its ending, new lines take the file's
// dominant one (CRLF when most lines have it).
class IniDocument {
public:
    // An empty document: a new file, UTF-8 without BOM.
    IniDocument();

    // Throws EncodingError for a text that cannot be edited as bytes (UTF-16).
    static IniDocument parse(std::string_view bytes);

    // The file content: the BOM if the file had one, then every line with its ending.
    std::string serialize() const;

    TextEncoding encoding() const { return encoding_; }
    bool hasSection(std::string_view section) const;
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Throws IniError for a name or value that cannot be written as one line (line breaks, NUL, an
    // empty name, "]" in a section name, "=" in a key) and EncodingError for invalid UTF-8.
    // Returns whether the document changed (writing the value a key already has changes nothing).
    bool setValue(std::string_view section, std::string_view key, std::string_view value);

private:
    enum class LineKind { Blank, Comment, Section, Key, Other };

    struct Line {
        std::string raw; // bytes in the file's encoding, without the line ending
        std::string ending; // "\r\n", "\n", or "" for a last line without one
        LineKind kind = LineKind::Other;
        std::string name; // section or key name, UTF-8, trimmed
        std::string value; // key value, UTF-8, trimmed and unquoted
    };

    static Line parsedLine(std::string raw, std::string ending, TextEncoding encoding);
    Line newLine(std::string_view utf8Text) const;
    std::optional<std::size_t> findSection(std::string_view section) const;
    std::size_t sectionEnd(std::size_t header) const;
    void terminateLastLineBefore(std::size_t position);

    std::vector<Line> lines_;
    TextEncoding encoding_ = TextEncoding::Utf8;
    std::string newLineEnding_;
};

} // namespace vamo::platform
