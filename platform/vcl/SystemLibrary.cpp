#include "SystemLibrary.h"

#include "Exception.h"

namespace vcl {

#if TRAMVELT_HAS_WINDOWS

SystemLibrary::~SystemLibrary() {
    if (module_) ::FreeLibrary(module_);
}

FARPROC SystemLibrary::Address(const char* name) {
    if (!module_) {
        // A full path: never a DLL of the same name from the program's folder.
        char directory[MAX_PATH];
        UINT length = ::GetSystemDirectoryA(directory, MAX_PATH);
        if (length == 0 || length >= MAX_PATH)
            throw Exception("Cannot find the system directory to load " + fileName_);
        std::string path = std::string(directory, length) + "\\" + fileName_;
        module_ = ::LoadLibraryA(path.c_str());
        if (!module_)
            throw Exception("Cannot load " + path + " (error " + std::to_string(::GetLastError()) + ")");
    }
    FARPROC address = ::GetProcAddress(module_, name);
    if (!address) throw Exception(std::string("Cannot find ") + name + " in " + fileName_);
    return address;
}

#endif

}  // namespace vcl
