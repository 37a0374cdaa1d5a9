#include "MemoryRegistry.h"

#include <algorithm>
#include <cstring>

namespace vcl {

namespace {

constexpr REGSAM kWriteRights = KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_CREATE_LINK |
                                0x00010000 /* DELETE */ | 0x00040000 /* WRITE_DAC */ |
                                0x00080000 /* WRITE_OWNER */;
constexpr std::size_t kMaxKeyNameLength = 255;

// Upper case as the registry compares names: ASCII and the Latin-1 letters.
unsigned char Upper(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    return c;
}

bool IsPredefined(HKEY key) {
    // Predefined handles are sign-extended 32-bit values.
    auto value = reinterpret_cast<std::intptr_t>(key);
    return value >= static_cast<std::int32_t>(0x80000000u) &&
           value <= static_cast<std::int32_t>(0x80000006u);
}

}  // namespace

bool MemoryRegistry::NameLess::operator()(const std::string& a, const std::string& b) const {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = Upper(static_cast<unsigned char>(a[i]));
        unsigned char y = Upper(static_cast<unsigned char>(b[i]));
        if (x != y) return x < y;
    }
    return a.size() < b.size();
}

MemoryRegistry::MemoryRegistry() = default;
MemoryRegistry::~MemoryRegistry() = default;

void MemoryRegistry::Enter(const char* call) {
    ++calls_[call];
    if (hook_) hook_(call);
}

int MemoryRegistry::CallCount(const std::string& call) const {
    auto it = calls_.find(call);
    return it == calls_.end() ? 0 : it->second;
}

void MemoryRegistry::SetCallHook(std::function<void(const char*)> hook) { hook_ = std::move(hook); }

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Root(HKEY key) {
    auto& node = roots_[reinterpret_cast<std::uintptr_t>(key)];
    if (!node) node = std::make_shared<Node>();
    return node;
}

LONG MemoryRegistry::Resolve(HKEY key, REGSAM need, std::shared_ptr<Node>& node) {
    if (IsPredefined(key)) {
        node = Root(key);
        return ERROR_SUCCESS;
    }
    auto it = handles_.find(reinterpret_cast<std::uintptr_t>(key));
    if (it == handles_.end()) return ERROR_INVALID_HANDLE;
    if (it->second.node->deleted) return ERROR_KEY_DELETED;
    if ((it->second.access & need) != need) return ERROR_ACCESS_DENIED;
    node = it->second.node;
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::Walk(std::shared_ptr<Node> base, LPCSTR subKey, bool create, REGSAM sam,
                          std::shared_ptr<Node>& node, bool& created) {
    created = false;
    std::string path = subKey ? subKey : "";
    // The ANSI calls convert the path into a buffer of 255 characters.
    if (path.size() > kMaxKeyNameLength) return ERROR_MORE_DATA;
    if (!path.empty() && path.front() == '\\') return ERROR_BAD_PATHNAME;
    while (!path.empty() && path.back() == '\\') path.pop_back();
    std::shared_ptr<Node> current = std::move(base);
    std::size_t pos = 0;
    while (pos < path.size()) {
        std::size_t end = path.find('\\', pos);
        if (end == std::string::npos) end = path.size();
        std::string name = path.substr(pos, end - pos);
        if (name.empty()) return ERROR_BAD_PATHNAME;
        if (name.size() > kMaxKeyNameLength) return ERROR_INVALID_PARAMETER;
        auto it = current->subkeys.find(name);
        if (it == current->subkeys.end()) {
            if (!create) return ERROR_FILE_NOT_FOUND;
            if (current->denyWrite) return ERROR_ACCESS_DENIED;
            auto child = std::make_shared<Node>();
            child->name = name;
            it = current->subkeys.emplace(name, std::move(child)).first;
            current->enumIndex = static_cast<std::size_t>(-1);
            created = true;
        }
        current = it->second;
        pos = end + 1;
    }
    if (current->denyWrite && (sam & kWriteRights)) return ERROR_ACCESS_DENIED;
    node = std::move(current);
    return ERROR_SUCCESS;
}

HKEY MemoryRegistry::NewHandle(std::shared_ptr<Node> node, REGSAM sam) {
    std::uintptr_t value = nextHandle_;
    nextHandle_ += 4;
    handles_[value] = Handle{std::move(node), sam};
    return reinterpret_cast<HKEY>(value);
}

LONG MemoryRegistry::OpenKeyEx(HKEY key, LPCSTR subKey, DWORD, REGSAM sam, PHKEY result) {
    Enter("RegOpenKeyExA");
    if (!result) return ERROR_INVALID_PARAMETER;
    std::shared_ptr<Node> base, node;
    if (LONG error = Resolve(key, 0, base)) return error;
    bool created = false;
    if (LONG error = Walk(base, subKey, false, sam, node, created)) return error;
    *result = NewHandle(std::move(node), sam);
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::CreateKeyEx(HKEY key, LPCSTR subKey, DWORD, LPSTR, DWORD, REGSAM sam,
                                 LPSECURITY_ATTRIBUTES, PHKEY result, LPDWORD disposition) {
    Enter("RegCreateKeyExA");
    if (!result) return ERROR_INVALID_PARAMETER;
    std::shared_ptr<Node> base, node;
    if (LONG error = Resolve(key, 0, base)) return error;
    bool created = false;
    if (LONG error = Walk(base, subKey, true, sam, node, created)) return error;
    if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    *result = NewHandle(std::move(node), sam);
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::QueryInfoKey(HKEY key, LPDWORD subKeys, LPDWORD maxSubKeyLen, LPDWORD values,
                                  LPDWORD maxValueNameLen, LPDWORD maxValueLen) {
    Enter("RegQueryInfoKeyA");
    std::shared_ptr<Node> node;
    if (LONG error = Resolve(key, KEY_QUERY_VALUE, node)) return error;
    DWORD longestKey = 0, longestName = 0, longestData = 0;
    for (const auto& entry : node->subkeys)
        longestKey = std::max<DWORD>(longestKey, static_cast<DWORD>(entry.first.size()));
    for (const auto& entry : node->values) {
        longestName = std::max<DWORD>(longestName, static_cast<DWORD>(entry.first.size()));
        longestData = std::max<DWORD>(longestData, static_cast<DWORD>(entry.second.data.size()));
    }
    if (subKeys) *subKeys = static_cast<DWORD>(node->subkeys.size());
    if (maxSubKeyLen) *maxSubKeyLen = longestKey;
    if (values) *values = static_cast<DWORD>(node->values.size());
    if (maxValueNameLen) *maxValueNameLen = longestName;
    if (maxValueLen) *maxValueLen = longestData;
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLen) {
    Enter("RegEnumKeyExA");
    if (!name || !nameLen) return ERROR_INVALID_PARAMETER;
    std::shared_ptr<Node> node;
    if (LONG error = Resolve(key, KEY_ENUMERATE_SUB_KEYS, node)) return error;
    if (index >= node->subkeys.size()) return ERROR_NO_MORE_ITEMS;
    auto it = node->subkeys.begin();
    if (node->enumIndex != static_cast<std::size_t>(-1) && node->enumIndex <= index) {
        it = node->enumIt;
        std::advance(it, index - node->enumIndex);
    } else {
        std::advance(it, index);
    }
    node->enumIndex = index;
    node->enumIt = it;
    const std::string& found = it->first;
    if (found.size() + 1 > *nameLen) return ERROR_MORE_DATA;
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameLen = static_cast<DWORD>(found.size());
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::QueryValueEx(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data,
                                  LPDWORD dataLen) {
    Enter("RegQueryValueExA");
    std::shared_ptr<Node> node;
    if (LONG error = Resolve(key, KEY_QUERY_VALUE, node)) return error;
    if (data && !dataLen) return ERROR_INVALID_PARAMETER;
    auto it = node->values.find(valueName ? valueName : "");
    if (it == node->values.end()) return ERROR_FILE_NOT_FOUND;
    const Value& value = it->second;
    if (type) *type = value.type;
    DWORD size = static_cast<DWORD>(value.data.size());
    LONG result = ERROR_SUCCESS;
    if (data) {
        if (*dataLen < size)
            result = ERROR_MORE_DATA;
        else if (size)
            std::memcpy(data, value.data.data(), size);
    }
    if (dataLen) *dataLen = size;
    return result;
}

LONG MemoryRegistry::SetValueEx(HKEY key, LPCSTR valueName, DWORD, DWORD type, const BYTE* data,
                                DWORD dataLen) {
    Enter("RegSetValueExA");
    std::shared_ptr<Node> node;
    if (LONG error = Resolve(key, KEY_SET_VALUE, node)) return error;
    if (node->setValueError != ERROR_SUCCESS) return node->setValueError;
    if (dataLen && !data) return ERROR_INVALID_PARAMETER;
    Value& value = node->values[valueName ? valueName : ""];
    value.type = type;
    value.data.assign(data, data + dataLen);
    return ERROR_SUCCESS;
}

LONG MemoryRegistry::CloseKey(HKEY key) {
    Enter("RegCloseKey");
    if (IsPredefined(key)) return ERROR_SUCCESS;
    return handles_.erase(reinterpret_cast<std::uintptr_t>(key)) ? ERROR_SUCCESS
                                                                   : ERROR_INVALID_HANDLE;
}

void MemoryRegistry::MarkDeleted(Node& node) {
    node.deleted = true;
    for (auto& entry : node.subkeys) MarkDeleted(*entry.second);
}

LONG MemoryRegistry::DeleteTree(HKEY key, LPCSTR subKey) {
    Enter("RegDeleteTreeA");
    std::shared_ptr<Node> base, node;
    if (LONG error = Resolve(key, 0, base)) return error;
    std::string path = subKey ? subKey : "";
    if (path.empty()) {
        for (auto& entry : base->subkeys) MarkDeleted(*entry.second);
        base->subkeys.clear();
        base->enumIndex = static_cast<std::size_t>(-1);
        base->values.clear();
        return ERROR_SUCCESS;
    }
    std::size_t slash = path.rfind('\\');
    std::string parentPath = slash == std::string::npos ? "" : path.substr(0, slash);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::shared_ptr<Node> parent;
    bool created = false;
    if (LONG error = Walk(base, parentPath.c_str(), false, 0, parent, created)) return error;
    auto it = parent->subkeys.find(name);
    if (it == parent->subkeys.end()) return ERROR_FILE_NOT_FOUND;
    MarkDeleted(*it->second);
    parent->subkeys.erase(it);
    parent->enumIndex = static_cast<std::size_t>(-1);
    return ERROR_SUCCESS;
}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::FindPath(HKEY root, const std::string& path) {
    std::shared_ptr<Node> node;
    bool created = false;
    Walk(Root(root), path.c_str(), true, 0, node, created);
    return node;
}

void MemoryRegistry::DenyWrite(HKEY root, const std::string& path) {
    if (auto node = FindPath(root, path)) node->denyWrite = true;
}

void MemoryRegistry::FailSetValue(HKEY root, const std::string& path, LONG error) {
    if (auto node = FindPath(root, path)) node->setValueError = error;
}

}  // namespace vcl
