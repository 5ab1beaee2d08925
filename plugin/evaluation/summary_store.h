#pragma once

#include "storage/database.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace vamo::evaluation {

inline constexpr const char* summaryPassword = "zup";

// output/Normal.mdb below the program folder: made from the password templates (db/temp_normal1.mdb,
// else db/temp_normal2.mdb) with its table test_result when missing, then opened.
storage::Database openSummaryDatabase(const std::filesystem::path& programFolder);

// The creating statement of test_result.
std::string createSummaryTable();

// One group's summary row. Every value goes in as a quoted text, the fixed numbers of some methods
// (100, 1.0, 1, 0) too, so that the stored text is exactly the one written.
struct SummaryValue {
    std::string column;
    std::string text;
};
std::string insertSummaryRow(const std::vector<SummaryValue>& values);

} // namespace vamo::evaluation
