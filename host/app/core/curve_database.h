#pragma once

#include "host/app/core/run_interfaces.h"
#include "storage/database.h"

#include <filesystem>
#include <optional>

namespace vamo::host {

// The curve of the running specimen in db/temp_mdb.mdb, table temp: recreated at every run start from
// the empty templates, one row per recorded point, open from one start to the next.
class CurveDatabase : public CurveStore {
public:
    explicit CurveDatabase(std::filesystem::path dbFolder) : dbFolder_(std::move(dbFolder)) {}

    void prepare() override;
    void addPoint(std::string_view forceText, long long elapsedMs, std::string_view speedText) override;
    void close() override;

    static constexpr const char* createStatement = "Create Table temp(ID int IDENTITY(1,1) PRIMARY KEY,"
                                                   "press Single default 0,run_time int,"
                                                   "length Single default 0,"
                                                   "length1 Single default 0,"
                                                   "length2 Single default 0,"
                                                   "speed Single default 0)";

private:
    std::filesystem::path dbFolder_;
    std::optional<storage::Database> database_;
};

} // namespace vamo::host
