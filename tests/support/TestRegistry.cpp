#include "tests/support/TestRegistry.h"

#include "platform/vcl/Win32RegistryApi.h"

#include <stdexcept>

namespace testing_support {

std::vector<Backend> AvailableBackends() {
#if TRAMVELT_HAS_WINDOWS
    return {Backend::Advapi32, Backend::Memory};
#else
    return {Backend::Memory};
#endif
}

std::string BackendName(Backend backend) {
    return backend == Backend::Advapi32 ? "advapi32" : "memory";
}

TestRegistry::TestRegistry(Backend backend) {
    if (backend == Backend::Memory) {
        auto memory = std::make_unique<vcl::MemoryRegistry>();
        memory_ = memory.get();
        owned_ = std::move(memory);
    } else {
#if TRAMVELT_HAS_WINDOWS
        owned_ = std::make_unique<vcl::Win32RegistryApi>();
#else
        throw std::logic_error("advapi32 registry not available in this build");
#endif
    }
    api_ = owned_.get();
    installed_ = std::make_unique<vcl::ScopedRegistryApi>(*api_);
}

TestRegistry::~TestRegistry() = default;

void TestRegistry::CreateKey(const std::string& path) {
    HKEY key = nullptr;
    if (api_->CreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create " + path);
    api_->CloseKey(key);
}

void TestRegistry::SetValue(const std::string& path, const std::string& name, DWORD type,
                            std::vector<BYTE> data) {
    HKEY key = nullptr;
    if (api_->CreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create " + path);
    LONG result = api_->SetValueEx(key, name.c_str(), 0, type, data.data(),
                                   static_cast<DWORD>(data.size()));
    api_->CloseKey(key);
    if (result != ERROR_SUCCESS) throw std::runtime_error("cannot set " + path + " " + name);
}

void TestRegistry::SetDword(const std::string& path, const std::string& name,
                            std::uint32_t value) {
    SetValue(path, name, REG_DWORD, DwordBytes(value));
}

std::optional<RawValue> TestRegistry::GetValue(const std::string& path, const std::string& name) {
    HKEY key = nullptr;
    if (api_->OpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    RawValue value;
    DWORD size = 0;
    LONG result = api_->QueryValueEx(key, name.c_str(), &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.data.resize(size);
        result = api_->QueryValueEx(key, name.c_str(), &value.type, value.data.data(), &size);
    }
    api_->CloseKey(key);
    if (result != ERROR_SUCCESS) return std::nullopt;
    return value;
}

bool TestRegistry::KeyExists(const std::string& path) {
    HKEY key = nullptr;
    if (api_->OpenKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    api_->CloseKey(key);
    return true;
}

void TestRegistry::DeleteTree(const std::string& path) {
    api_->DeleteTree(HKEY_CURRENT_USER, path.c_str());
}

std::vector<BYTE> DwordBytes(std::uint32_t value) {
    return {static_cast<BYTE>(value), static_cast<BYTE>(value >> 8),
            static_cast<BYTE>(value >> 16), static_cast<BYTE>(value >> 24)};
}

}  // namespace testing_support
