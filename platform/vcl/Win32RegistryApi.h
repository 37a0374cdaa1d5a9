#pragma once
// The real advapi32 registry.
#include "RegistryApi.h"

#if TRAMVELT_HAS_WINDOWS
namespace vcl {

class Win32RegistryApi final : public RegistryApi {
public:
    LONG OpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) override;
    LONG CreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className, DWORD options,
                     REGSAM sam, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition) override;
    LONG QueryInfoKey(HKEY key, LPDWORD subKeys, LPDWORD maxSubKeyLen, LPDWORD values,
                      LPDWORD maxValueNameLen, LPDWORD maxValueLen) override;
    LONG EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLen) override;
    LONG QueryValueEx(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data,
                      LPDWORD dataLen) override;
    LONG SetValueEx(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataLen) override;
    LONG CloseKey(HKEY key) override;
    LONG DeleteTree(HKEY key, LPCSTR subKey) override;
};

}  // namespace vcl
#endif
