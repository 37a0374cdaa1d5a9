#pragma once
// The seam under TRegistry: the advapi32 registry calls it makes, one virtual
// per call with the Win32 signature. Windows builds default to the real
// advapi32 (Win32RegistryApi); the native build defaults to an in-memory
// registry. Tests may install another implementation with ScopedRegistryApi.
#include "WinApi.h"

namespace vcl {

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    virtual LONG OpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) = 0;
    virtual LONG CreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className,
                             DWORD options, REGSAM sam, LPSECURITY_ATTRIBUTES security,
                             PHKEY result, LPDWORD disposition) = 0;
    virtual LONG QueryInfoKey(HKEY key, LPDWORD subKeys, LPDWORD maxSubKeyLen, LPDWORD values,
                              LPDWORD maxValueNameLen, LPDWORD maxValueLen) = 0;
    virtual LONG EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLen) = 0;
    virtual LONG QueryValueEx(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data,
                              LPDWORD dataLen) = 0;
    virtual LONG SetValueEx(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                            const BYTE* data, DWORD dataLen) = 0;
    virtual LONG CloseKey(HKEY key) = 0;

    // Not used by TRegistry: removes a key and everything below it. Tests and
    // tools use it to lay out and clean up scratch keys.
    virtual LONG DeleteTree(HKEY key, LPCSTR subKey) = 0;

    // The implementation in force for this process.
    static RegistryApi& Current();
    // Installs api (nullptr: the default) and returns the previous one.
    static RegistryApi* Install(RegistryApi* api);
};

// Installs an implementation for the lifetime of the object.
class ScopedRegistryApi {
public:
    explicit ScopedRegistryApi(RegistryApi& api) : previous_(RegistryApi::Install(&api)) {}
    ~ScopedRegistryApi() { RegistryApi::Install(previous_); }
    ScopedRegistryApi(const ScopedRegistryApi&) = delete;
    ScopedRegistryApi& operator=(const ScopedRegistryApi&) = delete;

private:
    RegistryApi* previous_;
};

}  // namespace vcl
