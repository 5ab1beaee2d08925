#include "platform/ini_document.h"

#include "platform/platform_error.h"

namespace vamo::platform {
namespace {

#ifdef _WIN32
constexpr std::string_view kPlatformLineEnding = "\r\n";
#else
constexpr std::string_view kPlatformLineEnding = "\n";
#endif

constexpr std::string_view kBlanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char asciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool namesEqual(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (asciiLower(a[i]) != asciiLower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view unquoted(std::string_view value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

void requireOneLine(std::string_view text, std::string_view what, std::string_view section,
                    std::string_view key) {
    if (text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        throw IniError(std::string(what) + " of [" + std::string(section) + "] " + std::string(key)
                       + " holds a line break or NUL and cannot be written");
    }
}

} // namespace

IniDocument::IniDocument() : newLineEnding_(kPlatformLineEnding) {
}

IniDocument::Line IniDocument::parsedLine(std::string raw, std::string ending, TextEncoding encoding) {
    Line line;
    line.raw = std::move(raw);
    line.ending = std::move(ending);
    const std::string text = decodeText(line.raw, encoding);
    const std::string_view content = trimmed(text);
    if (content.empty()) {
        line.kind = LineKind::Blank;
    } else if (content.front() == ';') {
        line.kind = LineKind::Comment;
    } else if (content.front() == '[') {
        // A header without its closing bracket still starts a section, so that the keys below it
        // are not taken for keys of the section before.
        line.kind = LineKind::Section;
        const auto close = content.find(']');
        line.name = trimmed(content.substr(1, close == std::string_view::npos ? close : close - 1));
    } else if (const auto equals = content.find('='); equals != std::string_view::npos) {
        line.kind = LineKind::Key;
        line.name = trimmed(content.substr(0, equals));
        line.value = unquoted(trimmed(content.substr(equals + 1)));
    }
    return line;
}

IniDocument IniDocument::parse(std::string_view bytes) {
    IniDocument document;
    document.encoding_ = detectEncoding(bytes);
    if (document.encoding_ == TextEncoding::Utf8WithBom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    std::size_t crlfCount = 0;
    std::size_t lfCount = 0;
    while (!bytes.empty()) {
        const auto newline = bytes.find('\n');
        std::string_view raw = bytes.substr(0, newline);
        std::string ending;
        if (newline != std::string_view::npos) {
            if (raw.ends_with('\r')) {
                raw.remove_suffix(1);
                ending = "\r\n";
                ++crlfCount;
            } else {
                ending = "\n";
                ++lfCount;
            }
        }
        document.lines_.push_back(parsedLine(std::string(raw), std::move(ending), document.encoding_));
        bytes.remove_prefix(newline == std::string_view::npos ? bytes.size() : newline + 1);
    }
    if (crlfCount > 0 && crlfCount >= lfCount) {
        document.newLineEnding_ = "\r\n";
    } else if (lfCount > 0) {
        document.newLineEnding_ = "\n";
    }
    return document;
}

std::string IniDocument::serialize() const {
    std::string bytes;
    if (encoding_ == TextEncoding::Utf8WithBom) {
        bytes += kUtf8Bom;
    }
    for (const Line& line : lines_) {
        bytes += line.raw;
        bytes += line.ending;
    }
    return bytes;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == LineKind::Section && namesEqual(lines_[i].name, section)) {
            return i;
        }
    }
    return std::nullopt;
}

std::size_t IniDocument::sectionEnd(std::size_t header) const {
    std::size_t end = header + 1;
    while (end < lines_.size() && lines_[end].kind != LineKind::Section) {
        ++end;
    }
    return end;
}

bool IniDocument::hasSection(std::string_view section) const {
    return findSection(trimmed(section)).has_value();
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const {
    const auto header = findSection(trimmed(section));
    if (!header) {
        return std::nullopt;
    }
    const std::string_view wantedKey = trimmed(key);
    for (std::size_t i = *header + 1, end = sectionEnd(*header); i < end; ++i) {
        if (lines_[i].kind == LineKind::Key && namesEqual(lines_[i].name, wantedKey)) {
            return lines_[i].value;
        }
    }
    return std::nullopt;
}

IniDocument::Line IniDocument::newLine(std::string_view utf8Text) const {
    return parsedLine(encodeText(utf8Text, encoding_), newLineEnding_, encoding_);
}

void IniDocument::terminateLastLineBefore(std::size_t position) {
    if (position > 0 && lines_[position - 1].ending.empty()) {
        lines_[position - 1].ending = newLineEnding_;
    }
}

bool IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    section = trimmed(section);
    key = trimmed(key);
    requireOneLine(section, "section name", section, key);
    requireOneLine(key, "key name", section, key);
    requireOneLine(value, "value", section, key);
    if (section.empty() || section.find(']') != std::string_view::npos) {
        throw IniError("invalid section name [" + std::string(section) + "]");
    }
    if (key.empty() || key.find('=') != std::string_view::npos || key.front() == '[' || key.front() == ';') {
        throw IniError("invalid key name \"" + std::string(key) + "\" in [" + std::string(section) + "]");
    }
    const std::string keyLine = std::string(key) + "=" + std::string(value);

    const auto header = findSection(section);
    if (!header) {
        Line headerLine = newLine("[" + std::string(section) + "]");
        Line entry = newLine(keyLine);
        terminateLastLineBefore(lines_.size());
        lines_.push_back(std::move(headerLine));
        lines_.push_back(std::move(entry));
        return true;
    }

    const std::size_t end = sectionEnd(*header);
    for (std::size_t i = *header + 1; i < end; ++i) {
        Line& line = lines_[i];
        if (line.kind != LineKind::Key || !namesEqual(line.name, key)) {
            continue;
        }
        if (line.value == value) {
            return false;
        }
        // Keep the key's own bytes (its spelling in the file); only the value is new.
        const std::string_view rawKey = trimmed(std::string_view(line.raw).substr(0, line.raw.find('=')));
        std::string raw = std::string(rawKey) + "=" + encodeText(value, encoding_);
        line = parsedLine(std::move(raw), line.ending, encoding_);
        return true;
    }

    std::size_t insertAt = end;
    while (insertAt > *header + 1 && lines_[insertAt - 1].kind == LineKind::Blank) {
        --insertAt;
    }
    Line entry = newLine(keyLine);
    terminateLastLineBefore(insertAt);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(entry));
    return true;
}

} // namespace vamo::platform
