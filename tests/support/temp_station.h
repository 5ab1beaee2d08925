#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace vamo::testing {

// A temporary station folder with the folders of a station and the empty template databases the build
// made (VAMO_STATION_DIR names the build's station folder). Removed at the end.
class TempStation {
public:
    TempStation() {
        std::string pattern = (std::filesystem::temp_directory_path() / "vamo-station-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("cannot create a temporary station folder");
        }
        folder_ = pattern;
        for (const char* sub : {"db", "dll", "output", "print", "shangchuan", "dev"}) {
            std::filesystem::create_directory(folder_ / sub);
        }
        const char* built = std::getenv("VAMO_STATION_DIR");
        if (built != nullptr) {
            for (const char* name :
                 {"temp_mdb1.mdb", "temp_mdb2.mdb", "temp_normal1.mdb", "temp_normal2.mdb"}) {
                const auto source = std::filesystem::path(built) / "db" / name;
                if (std::filesystem::exists(source)) {
                    std::filesystem::copy_file(source, folder_ / "db" / name);
                }
            }
        }
    }
    ~TempStation() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    TempStation(const TempStation&) = delete;
    TempStation& operator=(const TempStation&) = delete;

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path operator/(const std::string& name) const { return folder_ / name; }
    std::filesystem::path settingsFile() const { return folder_ / "sys_set.ini"; }

    // Writes a file of the station (UTF-8 text).
    void write(const std::string& name, const std::string& text) const {
        std::ofstream out(folder_ / name, std::ios::binary);
        out << text;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // The built plug-ins of the build's station folder, linked into this station's dll folder.
    void linkBuiltPlugins() const {
        const char* built = std::getenv("VAMO_STATION_DIR");
        if (built == nullptr) {
            return;
        }
        for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(built) / "dll")) {
            std::filesystem::create_symlink(entry.path(), folder_ / "dll" / entry.path().filename());
        }
    }

private:
    std::filesystem::path folder_;
};

} // namespace vamo::testing
