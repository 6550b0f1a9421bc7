// A loaded shared library (an in-process server): opened with dlopen, closed when the last
// holder lets go.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace automation {

class Library {
public:
    // Null when the file cannot be loaded; `error` then says why.
    static std::shared_ptr<Library> Open(const std::filesystem::path& path, std::string* error);
    ~Library();
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    // The address of an exported symbol, or null.
    void* Symbol(const char* name) const;
    template <class Fn>
    Fn Function(const char* name) const {
        return reinterpret_cast<Fn>(Symbol(name));
    }
    const std::filesystem::path& Path() const { return m_path; }
    // Keeps the library mapped for the rest of the process (objects of it outlive every holder).
    void Pin();

private:
    Library(std::filesystem::path path, void* handle) : m_path(std::move(path)), m_handle(handle) {}

    std::filesystem::path m_path;
    void* m_handle;
    bool m_pinned = false;
};

// Keeps the library that holds `address` mapped until the process ends, whoever closes it: for a
// library whose code leaves process-wide state behind (threads, subsystems) that must outlive it.
void PinLibraryOf(const void* address);

// The file of the library (or program) that holds `address`.
std::filesystem::path LibraryPathOf(const void* address);

}  // namespace automation
