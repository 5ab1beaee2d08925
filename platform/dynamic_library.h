#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace vamo::platform {

// A loaded shared library. Unloaded by the destructor.
class DynamicLibrary {
public:
    // Loads the library at `path`; returns null and sets `error` when it cannot be loaded.
    static std::unique_ptr<DynamicLibrary> load(const std::filesystem::path& path,
                                                std::string* error = nullptr);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // The address of an exported symbol, or null when the library does not export it.
    void* symbol(const char* name) const;

    template <typename Function>
    Function* function(const char* name) const {
        return reinterpret_cast<Function*>(symbol(name));
    }

    const std::filesystem::path& path() const { return path_; }

private:
    DynamicLibrary(void* handle, std::filesystem::path path) : handle_(handle), path_(std::move(path)) {}
    void* handle_;
    std::filesystem::path path_;
};

// The address of a symbol exported by the running program itself (for example a host callback), or null.
void* mainProgramSymbol(const char* name);

// The platform's file name of a library with the given base name: "conccomp" -> "conccomp.so".
std::string librarySuffix();

} // namespace vamo::platform
