#pragma once
// A DLL from the Windows system directory, loaded on first use and freed with
// the object. Loading comctl32 and shell32 only when a tooltip or a link needs
// them keeps them out of start-up.
#include "WinApi.h"

#include <string>

namespace vcl {

#if TRAMVELT_HAS_WINDOWS
class SystemLibrary {
public:
    explicit SystemLibrary(std::string fileName) : fileName_(std::move(fileName)) {}
    ~SystemLibrary();
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    // The named export, loading the library first if needed. Raises an
    // Exception when the library or the function cannot be found.
    template <class F>
    F Function(const char* name) {
        return reinterpret_cast<F>(reinterpret_cast<void*>(Address(name)));
    }

    bool Loaded() const { return module_ != nullptr; }

private:
    FARPROC Address(const char* name);

    std::string fileName_;
    HMODULE module_ = nullptr;
};
#endif

}  // namespace vcl
