#pragma once
// An in-memory registry with the semantics of the Windows one, as far as the
// layer relies on them: case-insensitive names, subkeys enumerated in sorted
// order, per-handle access rights, ERROR_MORE_DATA for short buffers, keys
// deleted under open handles (ERROR_KEY_DELETED). On top it offers fault
// injection: keys the user may read but not write, writes that fail at a
// chosen key, and a hook that runs before every call (to delete a key between
// two calls, say).
#include "RegistryApi.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class MemoryRegistry final : public RegistryApi {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;
    MemoryRegistry(const MemoryRegistry&) = delete;
    MemoryRegistry& operator=(const MemoryRegistry&) = delete;

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

    // Fault injection. Paths are relative to root, without a leading "\".
    // The key may be opened for reading only; opens asking for write access fail
    // with ERROR_ACCESS_DENIED, and so does creating a subkey in it.
    void DenyWrite(HKEY root, const std::string& path);
    // Every RegSetValueEx on the key fails with the given code.
    void FailSetValue(HKEY root, const std::string& path, LONG error = ERROR_ACCESS_DENIED);
    // Called with the call's name ("RegOpenKeyExA", ...) before every call.
    void SetCallHook(std::function<void(const char* call)> hook);

    // Handles opened and not yet closed (predefined roots not counted).
    std::size_t OpenHandleCount() const { return handles_.size(); }
    // Number of calls made, by call name.
    int CallCount(const std::string& call) const;

private:
    struct Value {
        DWORD type = REG_NONE;
        std::vector<BYTE> data;
    };
    struct NameLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Node {
        std::string name;
        std::map<std::string, std::shared_ptr<Node>, NameLess> subkeys;
        std::map<std::string, Value, NameLess> values;
        // Position of the last enumerated subkey, so that enumerating index by
        // index is linear; reset whenever the subkeys change.
        std::size_t enumIndex = static_cast<std::size_t>(-1);
        std::map<std::string, std::shared_ptr<Node>, NameLess>::iterator enumIt;
        bool deleted = false;
        bool denyWrite = false;
        LONG setValueError = ERROR_SUCCESS;
    };
    struct Handle {
        std::shared_ptr<Node> node;
        REGSAM access = 0;
    };

    void Enter(const char* call);
    std::shared_ptr<Node> Root(HKEY key);
    LONG Resolve(HKEY key, REGSAM need, std::shared_ptr<Node>& node);
    LONG Walk(std::shared_ptr<Node> base, LPCSTR subKey, bool create, REGSAM sam,
              std::shared_ptr<Node>& node, bool& created);
    std::shared_ptr<Node> FindPath(HKEY root, const std::string& path);
    HKEY NewHandle(std::shared_ptr<Node> node, REGSAM sam);
    static void MarkDeleted(Node& node);

    std::map<std::uintptr_t, std::shared_ptr<Node>> roots_;
    std::map<std::uintptr_t, Handle> handles_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::function<void(const char*)> hook_;
    std::map<std::string, int> calls_;
};

}  // namespace vcl
