#pragma once
// Registry accessor: a root and at most one open key, the current key. All
// calls go through RegistryApi::Current(); every key is opened with
// KEY_ALL_ACCESS and closed without flushing.
#include "TStrings.h"
#include "WinApi.h"

#include <string>

namespace vcl {

class TRegistry {
public:
    TRegistry();  // root HKEY_CURRENT_USER, no current key
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return root_; }
    // A different root closes the current key.
    void SetRootKey(HKEY root);
    HKEY CurrentKey() const { return current_; }

    // True when path opens with full access; the accessor's state is unchanged.
    bool KeyExists(const std::string& path);
    // Opens path (creating it and any missing parent when canCreate) as the
    // current key. On failure returns false and keeps the current key.
    bool OpenKey(const std::string& path, bool canCreate);
    void CloseKey();

    // Clears list, then fills it with the current key's subkey names in
    // enumeration order. Without a current key, or when the key cannot be
    // queried, the list stays empty.
    void GetKeyNames(TStrings& list);

    // Raise ERegistryException on failure.
    int ReadInteger(const std::string& name);
    void WriteInteger(const std::string& name, int value);

private:
    // Strips a leading "\" and picks the key the path is relative to.
    HKEY BaseFor(std::string& path) const;

    HKEY root_;
    HKEY current_ = nullptr;
};

}  // namespace vcl
