#include "TRegistry.h"

#include "Exception.h"
#include "RegistryApi.h"

#include <vector>

namespace vcl {

TRegistry::TRegistry() : root_(HKEY_CURRENT_USER) {}

TRegistry::~TRegistry() { CloseKey(); }

void TRegistry::SetRootKey(HKEY root) {
    if (root == root_) return;
    CloseKey();
    root_ = root;
}

void TRegistry::CloseKey() {
    if (!current_) return;
    RegistryApi::Current().CloseKey(current_);
    current_ = nullptr;
}

HKEY TRegistry::BaseFor(std::string& path) const {
    bool absolute = !path.empty() && path.front() == '\\';
    if (absolute) path.erase(0, 1);
    return absolute || !current_ ? root_ : current_;
}

bool TRegistry::KeyExists(const std::string& keyPath) {
    std::string path = keyPath;
    HKEY base = BaseFor(path);
    HKEY key = nullptr;
    RegistryApi& api = RegistryApi::Current();
    if (api.OpenKeyEx(base, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) return false;
    api.CloseKey(key);
    return true;
}

bool TRegistry::OpenKey(const std::string& keyPath, bool canCreate) {
    std::string path = keyPath;
    HKEY base = BaseFor(path);
    HKEY key = nullptr;
    RegistryApi& api = RegistryApi::Current();
    LONG result;
    if (!canCreate || path.empty()) {
        result = api.OpenKeyEx(base, path.c_str(), 0, KEY_ALL_ACCESS, &key);
    } else {
        DWORD disposition = 0;
        result = api.CreateKeyEx(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, &key, &disposition);
    }
    if (result != ERROR_SUCCESS) return false;
    CloseKey();
    current_ = key;
    return true;
}

void TRegistry::GetKeyNames(TStrings& list) {
    list.Clear();
    if (!current_) return;
    RegistryApi& api = RegistryApi::Current();
    DWORD count = 0, longest = 0;
    if (api.QueryInfoKey(current_, &count, &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    std::vector<char> buffer(longest + 1);
    for (DWORD index = 0; index < count; ++index) {
        DWORD length = static_cast<DWORD>(buffer.size());
        buffer[0] = '\0';
        // A key that went away or grew in the meantime yields what could be read.
        if (api.EnumKeyEx(current_, index, buffer.data(), &length) != ERROR_SUCCESS) break;
        list.Add(std::string(buffer.data()));
    }
}

int TRegistry::ReadInteger(const std::string& name) {
    DWORD type = REG_NONE;
    BYTE data[4] = {0, 0, 0, 0};
    DWORD size = sizeof data;
    if (!current_ || RegistryApi::Current().QueryValueEx(current_, name.c_str(), &type, data,
                                                         &size) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to get data for '%s'", name));
    if (type != REG_DWORD)
        throw ERegistryException(Format("Invalid data type for '%s'", name));
    return static_cast<int>(static_cast<DWORD>(data[0]) | static_cast<DWORD>(data[1]) << 8 |
                            static_cast<DWORD>(data[2]) << 16 | static_cast<DWORD>(data[3]) << 24);
}

void TRegistry::WriteInteger(const std::string& name, int value) {
    DWORD bits = static_cast<DWORD>(value);
    const BYTE data[4] = {static_cast<BYTE>(bits), static_cast<BYTE>(bits >> 8),
                          static_cast<BYTE>(bits >> 16), static_cast<BYTE>(bits >> 24)};
    if (!current_ || RegistryApi::Current().SetValueEx(current_, name.c_str(), 0, REG_DWORD, data,
                                                       sizeof data) != ERROR_SUCCESS)
        throw ERegistryException(Format("Failed to set data for '%s'", name));
}

}  // namespace vcl
