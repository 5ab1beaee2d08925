#include "platform/dynamic_library.h"

#include <dlfcn.h>

namespace vamo::platform {

std::unique_ptr<DynamicLibrary> DynamicLibrary::load(const std::filesystem::path& path, std::string* error) {
    // RTLD_LOCAL keeps the exports of one plug-in from resolving calls of the next one.
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        if (error != nullptr) {
            const char* text = ::dlerror();
            *error = text != nullptr ? text : "cannot load " + path.string();
        }
        return nullptr;
    }
    return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle, path));
}

DynamicLibrary::~DynamicLibrary() {
    ::dlclose(handle_);
}

void* DynamicLibrary::symbol(const char* name) const {
    return ::dlsym(handle_, name);
}

void* mainProgramSymbol(const char* name) {
    void* self = ::dlopen(nullptr, RTLD_NOW);
    if (self == nullptr) {
        return nullptr;
    }
    void* address = ::dlsym(self, name);
    ::dlclose(self);
    return address;
}

std::string librarySuffix() {
#ifdef _WIN32
    return ".dll";
#else
    return ".so";
#endif
}

} // namespace vamo::platform
