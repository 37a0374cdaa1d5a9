#include "Win32RegistryApi.h"

#if TRAMVELT_HAS_WINDOWS
namespace vcl {

LONG Win32RegistryApi::OpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM sam,
                                 PHKEY result) {
    return ::RegOpenKeyExA(key, subKey, options, sam, result);
}

LONG Win32RegistryApi::CreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className,
                                   DWORD options, REGSAM sam, LPSECURITY_ATTRIBUTES security,
                                   PHKEY result, LPDWORD disposition) {
    return ::RegCreateKeyExA(key, subKey, reserved, className, options, sam, security, result,
                             disposition);
}

LONG Win32RegistryApi::QueryInfoKey(HKEY key, LPDWORD subKeys, LPDWORD maxSubKeyLen,
                                    LPDWORD values, LPDWORD maxValueNameLen,
                                    LPDWORD maxValueLen) {
    return ::RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, subKeys, maxSubKeyLen, nullptr,
                              values, maxValueNameLen, maxValueLen, nullptr, nullptr);
}

LONG Win32RegistryApi::EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLen) {
    return ::RegEnumKeyExA(key, index, name, nameLen, nullptr, nullptr, nullptr, nullptr);
}

LONG Win32RegistryApi::QueryValueEx(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data,
                                    LPDWORD dataLen) {
    return ::RegQueryValueExA(key, valueName, nullptr, type, data, dataLen);
}

LONG Win32RegistryApi::SetValueEx(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                                  const BYTE* data, DWORD dataLen) {
    return ::RegSetValueExA(key, valueName, reserved, type, data, dataLen);
}

LONG Win32RegistryApi::CloseKey(HKEY key) { return ::RegCloseKey(key); }

LONG Win32RegistryApi::DeleteTree(HKEY key, LPCSTR subKey) {
    // RegDeleteTreeA leaves the key itself; remove it afterwards.
    LONG result = ::RegDeleteTreeA(key, subKey);
    if (result != ERROR_SUCCESS) return result;
    return subKey && *subKey ? ::RegDeleteKeyA(key, subKey) : ERROR_SUCCESS;
}

}  // namespace vcl
#endif
