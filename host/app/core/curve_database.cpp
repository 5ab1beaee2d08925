#include "host/app/core/curve_database.h"

#include <string>

namespace vamo::host {

namespace {
const std::string zupPassword = "zup";
}

void CurveDatabase::prepare() {
    close();
    const auto curve = dbFolder_ / "temp_mdb.mdb";
    const auto first = dbFolder_ / "temp_mdb1.mdb";
    const auto second = dbFolder_ / "temp_mdb2.mdb";
    std::filesystem::remove(curve);
    if (std::filesystem::exists(first)) {
        std::filesystem::copy_file(first, curve);
    } else if (std::filesystem::exists(second)) {
        std::filesystem::copy_file(second, curve);
    } else {
        for (const auto& path : {curve, first, second}) {
            storage::Database::create(path.string());
        }
    }
    for (const auto& name : {"temp_normal1.mdb", "temp_normal2.mdb"}) {
        const auto path = dbFolder_ / name;
        if (!std::filesystem::exists(path)) {
            storage::Database::create(path.string(), zupPassword);
        }
    }
    database_.emplace(storage::Database::open(curve.string()));
    // The curve is made anew at every start and a run that a crash interrupts is lost anyway, so the
    // points are not flushed one by one: a tick stays well inside its 200 ms.
    database_->markAsScratch();
    database_->execute(createStatement);
}

void CurveDatabase::addPoint(std::string_view forceText, long long elapsedMs, std::string_view speedText) {
    if (!database_) {
        return;
    }
    database_->execute("insert into temp(press,run_time,speed) values(" + std::string(forceText) + ","
                       + std::to_string(elapsedMs) + "," + std::string(speedText) + ")");
}

void CurveDatabase::close() {
    database_.reset();
}

} // namespace vamo::host
