#include "tests/plugin/frame/station_fixture.h"

#include "storage/database.h"
#include "storage/query.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace vamo::plugin::test {

StationFolder::StationFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vamo-plugin-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary station folder");
    }
    root_ = pattern;
    std::filesystem::create_directories(root_ / "db");
    std::filesystem::create_directories(root_ / "output");
    for (int number : {1, 2}) {
        storage::Database::create(templatePath(number).string());
    }
}

StationFolder::~StationFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path StationFolder::templatePath(int number) const {
    return root_ / "db" / ("temp_mdb" + std::to_string(number) + ".mdb");
}

void StationFolder::writeSysSet(const std::string& content) const {
    std::ofstream(sysSetIni(), std::ios::binary) << content;
}

std::string StationFolder::readSysSet() const {
    std::ifstream file(sysSetIni(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

ModuleHarness::ModuleHarness(const MethodDescriptor& method)
    : module(method, ModuleServices{.programFolder = [this] { return station.root(); },
                                    .dialogs = dialogs,
                                    .handOver = [this](float divisor) { divisors.push_back(divisor); },
                                    .today = [this] { return today; }}) {
}

PanelModel& ModuleHarness::showPanel() {
    PanelModel& panel = module.openPanel();
    module.showPanel();
    return panel;
}

std::vector<std::string> testSetOf(const std::filesystem::path& groupFile) {
    auto database = storage::Database::open(groupFile.string());
    storage::Query query(database, "Select * from test_set");
    std::vector<std::string> rows;
    for (; !query.eof(); query.next()) {
        rows.push_back(query.field("name") + "=" + query.field("str"));
    }
    return rows;
}

std::filesystem::path groupFileFor(const ModuleHarness& harness, const MethodDescriptor& method,
                                   const std::string& groupNumber, const std::string& age) {
    std::string name = method.prefix + groupNumber;
    if (method.ageInFileName) {
        name += "$" + age;
    }
    return harness.station.output() / (name + ".mdb");
}

} // namespace vamo::plugin::test
