#include "platform/automation/Library.h"

#include <dlfcn.h>
#include <sys/stat.h>

namespace automation {

std::shared_ptr<Library> Library::Open(const std::filesystem::path& path, std::string* error) {
    // RTLD_LOCAL: each server keeps its own copies of what it links, as an in-process server
    // must; a path without a slash would be searched for, so make it explicit.
    const std::filesystem::path file = path.has_parent_path() ? path : "./" / path;
    // The loader would wait forever reading a pipe left where a library was registered.
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
        if (error) {
            *error = path.string() + " is not a library file";
        }
        return nullptr;
    }
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) {
            const char* why = dlerror();
            *error = why ? why : "cannot load " + path.string();
        }
        return nullptr;
    }
    return std::shared_ptr<Library>(new Library(path, handle));
}

Library::~Library() {
    if (!m_pinned) {
        dlclose(m_handle);
    }
}

void* Library::Symbol(const char* name) const {
    return dlsym(m_handle, name);
}

void Library::Pin() {
    m_pinned = true;
}

void PinLibraryOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) {
        return;
    }
    // RTLD_NOLOAD only finds the library already mapped; RTLD_NODELETE keeps it there. The
    // handle this gives is deliberately never closed.
    dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

std::filesystem::path LibraryPathOf(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) == 0 || !info.dli_fname) {
        return {};
    }
    std::error_code ec;
    auto path = std::filesystem::absolute(info.dli_fname, ec);
    return ec ? std::filesystem::path(info.dli_fname) : path;
}

}  // namespace automation
