#include "plugin/frame/group_file.h"

#include "plugin/frame/number_fields.h"
#include "plugin/frame/plugin_error.h"
#include "storage/query.h"
#include "storage/transaction.h"

#include <system_error>

namespace vamo::plugin {
namespace {

std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

bool hasControlCharacter(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

void checkNamePart(std::string_view text, std::string_view what) {
    std::string reason;
    if (text.empty()) {
        reason = "为空";
    } else if (text.find('/') != std::string_view::npos) {
        reason = "含有\"/\"";
    } else if (text.find('\\') != std::string_view::npos) {
        reason = "含有\"\\\"";
    } else if (text.find("..") != std::string_view::npos) {
        reason = "含有\"..\"";
    } else if (hasControlCharacter(text)) {
        reason = "含有控制字符";
    } else {
        return;
    }
    throw GroupFileError(std::string(what) + "\"" + std::string(text) + "\"不能用作组记录文件名: " + reason);
}

std::string selectTestedCount() {
    return "Select * from test_set where name=" + storage::quoted(kTestedCountKey);
}

// The template's copy while it is being filled, and the journal SQLite keeps beside it.
struct PartialFile {
    std::filesystem::path path;
    std::filesystem::path journal() const { return path.string() + "-journal"; }
    void remove() const {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
        std::filesystem::remove(journal(), ignored);
    }
};

} // namespace

std::string groupFileName(const MethodDescriptor& method, std::string_view groupNumber,
                          std::string_view age) {
    checkNamePart(groupNumber, "试件编号");
    std::string name = method.prefix + std::string(groupNumber);
    if (method.ageInFileName) {
        checkNamePart(age, "试件龄期");
        name += "$" + std::string(age);
    }
    name += ".mdb";
    if (name.size() > kMaxFileNameBytes) {
        throw GroupFileError("组记录文件名\"" + name + "\"超过" + std::to_string(kMaxFileNameBytes)
                             + "字节, 请缩短试件编号");
    }
    return name;
}

std::filesystem::path groupFilePath(const std::filesystem::path& programFolder,
                                    const MethodDescriptor& method, std::string_view groupNumber,
                                    std::string_view age) {
    return programFolder / "output" / groupFileName(method, groupNumber, age);
}

std::optional<std::filesystem::path> groupFileTemplate(const std::filesystem::path& programFolder) {
    for (const char* name : {"temp_mdb1.mdb", "temp_mdb2.mdb"}) {
        const auto candidate = programFolder / "db" / name;
        if (std::filesystem::exists(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

void checkTestSetTexts(const std::vector<TestSetRow>& rows) {
    for (const TestSetRow& row : rows) {
        if (characterCount(row.str) > kTestSetTextLimit) {
            throw GroupFileError(row.name + "\"" + row.str + "\"超过" + std::to_string(kTestSetTextLimit)
                                 + "个字符, 无法建立组记录文件");
        }
    }
}

storage::Database createGroupFile(const std::filesystem::path& path,
                                  const std::filesystem::path& templatePath,
                                  const std::vector<TestSetRow>& rows) {
    const PartialFile partial{path.parent_path() / ".vamo-group-in-making.mdb"};
    partial.remove(); // a leftover of an interrupted creation, with its journal
    try {
        std::filesystem::copy_file(templatePath, partial.path,
                                   std::filesystem::copy_options::overwrite_existing);
        {
            auto database = storage::Database::open(partial.path.string());
            storage::Transaction transaction(database);
            database.execute("Create Table test_set(name Text(50),str Text(50))");
            storage::Query query(database, "Select * from test_set");
            for (const TestSetRow& row : rows) {
                query.append();
                query.set("name", row.name);
                query.set("str", row.str);
            }
            query.post();
            transaction.commit();
        }
        std::filesystem::rename(partial.path, path);
    } catch (const std::filesystem::filesystem_error& error) {
        partial.remove();
        throw GroupFileError("无法建立组记录文件 " + path.string() + ": " + error.code().message());
    } catch (...) {
        partial.remove();
        throw;
    }
    return storage::Database::open(path.string());
}

int readTestedCount(storage::Database& groupFile) {
    const storage::Query query(groupFile, selectTestedCount());
    if (query.eof()) {
        throw GroupFileError("组记录文件 " + groupFile.path() + " 中没有" + std::string(kTestedCountKey));
    }
    return integerIn(query.field("str"), kTestedCountKey);
}

void writeTestedCount(storage::Database& groupFile, std::string_view count) {
    storage::Query query(groupFile, selectTestedCount());
    if (query.eof()) {
        throw GroupFileError("组记录文件 " + groupFile.path() + " 中没有" + std::string(kTestedCountKey));
    }
    query.edit();
    query.set("str", count);
    query.post();
}

} // namespace vamo::plugin
