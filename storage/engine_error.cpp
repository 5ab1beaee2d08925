#include "storage/engine_error.h"

#include "storage/create_table.h"

namespace vamo::storage {
namespace {

constexpr std::string_view checkFailed = "CHECK constraint failed: ";
constexpr std::string_view noSuchTable = "no such table: ";

} // namespace

std::string describeEngineError(std::string_view engineMessage, std::string_view databasePath,
                                std::string_view statementText, const std::vector<AttachedSource>& sources) {
    if (engineMessage.starts_with(checkFailed)) {
        if (auto readable = describeColumnCheck(engineMessage.substr(checkFailed.size()))) {
            return *readable;
        }
    }
    if (engineMessage.starts_with(noSuchTable)) {
        const auto table = engineMessage.substr(noSuchTable.size());
        for (const auto& source : sources) {
            const std::string prefix = source.schema + ".";
            if (table.starts_with(prefix)) {
                return std::string(noSuchTable) + std::string(table.substr(prefix.size())) + " in database '"
                       + source.path + "'";
            }
        }
        return std::string(engineMessage);
    }
    return std::string(engineMessage) + " (database '" + std::string(databasePath)
           + "', statement: " + std::string(statementText) + ")";
}

} // namespace vamo::storage
