#pragma once
// The Win32 declarations the layer uses. Windows builds take them from
// <windows.h>; the native build gets the registry subset (types, error codes,
// value types, access rights) so that registry logic compiles and is tested
// without a window system. Only platform/ includes this header.
#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#define TRAMVELT_HAS_WINDOWS 1
#else
#include <cstdint>

#define TRAMVELT_HAS_WINDOWS 0

using LONG = std::int32_t;
using DWORD = std::uint32_t;
using BYTE = std::uint8_t;
using REGSAM = DWORD;
using LPSTR = char*;
using LPCSTR = const char*;
using LPDWORD = DWORD*;
using LPBYTE = BYTE*;
struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;
struct SECURITY_ATTRIBUTES;
using LPSECURITY_ATTRIBUTES = SECURITY_ATTRIBUTES*;
struct FILETIME;
using PFILETIME = FILETIME*;

// Sign-extended, as in <windows.h>.
#define HKEY_CLASSES_ROOT ((HKEY)(std::intptr_t)(std::int32_t)0x80000000u)
#define HKEY_CURRENT_USER ((HKEY)(std::intptr_t)(std::int32_t)0x80000001u)
#define HKEY_LOCAL_MACHINE ((HKEY)(std::intptr_t)(std::int32_t)0x80000002u)
#define HKEY_USERS ((HKEY)(std::intptr_t)(std::int32_t)0x80000003u)

constexpr LONG ERROR_SUCCESS = 0;
constexpr LONG ERROR_FILE_NOT_FOUND = 2;
constexpr LONG ERROR_ACCESS_DENIED = 5;
constexpr LONG ERROR_INVALID_HANDLE = 6;
constexpr LONG ERROR_NOT_ENOUGH_MEMORY = 8;
constexpr LONG ERROR_OUTOFMEMORY = 14;
constexpr LONG ERROR_INVALID_PARAMETER = 87;
constexpr LONG ERROR_BAD_PATHNAME = 161;
constexpr LONG ERROR_MORE_DATA = 234;
constexpr LONG ERROR_NO_MORE_ITEMS = 259;
constexpr LONG ERROR_KEY_DELETED = 1018;

constexpr DWORD REG_NONE = 0;
constexpr DWORD REG_SZ = 1;
constexpr DWORD REG_EXPAND_SZ = 2;
constexpr DWORD REG_BINARY = 3;
constexpr DWORD REG_DWORD = 4;
constexpr DWORD REG_MULTI_SZ = 7;
constexpr DWORD REG_QWORD = 11;

constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

constexpr REGSAM KEY_QUERY_VALUE = 0x0001;
constexpr REGSAM KEY_SET_VALUE = 0x0002;
constexpr REGSAM KEY_CREATE_SUB_KEY = 0x0004;
constexpr REGSAM KEY_ENUMERATE_SUB_KEYS = 0x0008;
constexpr REGSAM KEY_NOTIFY = 0x0010;
constexpr REGSAM KEY_CREATE_LINK = 0x0020;
constexpr REGSAM KEY_READ = 0x20019;
constexpr REGSAM KEY_WRITE = 0x20006;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;

// Window and drawing handles exist only as opaque types in the native build.
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using COLORREF = DWORD;
struct HWND__;
using HWND = HWND__*;
struct HDC__;
using HDC = HDC__*;
struct HBITMAP__;
using HBITMAP = HBITMAP__*;
struct HFONT__;
using HFONT = HFONT__*;
struct HPEN__;
using HPEN = HPEN__*;
struct HBRUSH__;
using HBRUSH = HBRUSH__*;
struct HICON__;
using HICON = HICON__*;
using HCURSOR = HICON;
using HGDIOBJ = void*;
#endif
