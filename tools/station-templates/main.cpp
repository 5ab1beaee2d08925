// Makes the empty template databases of a station's db folder: temp_mdb1.mdb and temp_mdb2.mdb without
// password, temp_normal1.mdb and temp_normal2.mdb protected with the password "zup".
#include "storage/database.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: station-templates DB_FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    struct Template {
        const char* name;
        std::optional<std::string> password;
    };
    const Template templates[] = {
        {"temp_mdb1.mdb", std::nullopt},
        {"temp_mdb2.mdb", std::nullopt},
        {"temp_normal1.mdb", std::string("zup")},
        {"temp_normal2.mdb", std::string("zup")},
    };
    try {
        std::filesystem::create_directories(folder);
        for (const auto& entry : templates) {
            const auto path = folder / entry.name;
            std::filesystem::remove(path);
            vamo::storage::Database::create(path.string(), entry.password);
        }
    } catch (const std::exception& error) {
        std::cerr << "station-templates: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
