#pragma once

#include "plugin/frame/method_descriptor.h"
#include "plugin/frame/test_set_rows.h"
#include "storage/database.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

// The group record file: one database per specimen group in the station's output folder, named from
// the plug-in's prefix, the group number and the age ("output/SNKY-2024010100001$28.mdb").
namespace vamo::plugin {

// The longest file name the file systems of the station allow, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;
// The longest text a test_set column holds, in characters.
inline constexpr std::size_t kTestSetTextLimit = 50;

// The file name; `age` is left out where the plug-in has no age in its file names. Throws
// GroupFileError when the group number or the age cannot be part of a file name: empty, holding "/",
// "\", "..", or a control character, or giving a name longer than kMaxFileNameBytes.
std::string groupFileName(const MethodDescriptor& method, std::string_view groupNumber, std::string_view age);

std::filesystem::path groupFilePath(const std::filesystem::path& programFolder,
                                    const MethodDescriptor& method, std::string_view groupNumber,
                                    std::string_view age);

// db/temp_mdb1.mdb, else db/temp_mdb2.mdb; none when neither exists.
std::optional<std::filesystem::path> groupFileTemplate(const std::filesystem::path& programFolder);

// Throws GroupFileError naming the row when a text is longer than a test_set column holds.
void checkTestSetTexts(const std::vector<TestSetRow>& rows);

// Makes the group file at `path` from the template, with table test_set and its rows, and returns it
// open. Made whole or not at all: the copy is filled under a temporary name in the same folder and
// renamed into place once complete; on any failure nothing is left at `path`.
storage::Database createGroupFile(const std::filesystem::path& path,
                                  const std::filesystem::path& templatePath,
                                  const std::vector<TestSetRow>& rows);

// The tested count (已试验块数) as an integer. Throws DatabaseError when the row cannot be read,
// ConversionError when it holds no integer.
int readTestedCount(storage::Database& groupFile);

// Overwrites the tested count with `count`.
void writeTestedCount(storage::Database& groupFile, std::string_view count);

} // namespace vamo::plugin
