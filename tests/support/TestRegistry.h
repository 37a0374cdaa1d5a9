#pragma once
// Registry backends for tests: the real one (advapi32, under Wine) and the
// in-memory one. A TestRegistry installs its backend for its lifetime and
// offers raw set-up and read-back helpers that bypass TRegistry.
#include "platform/vcl/MemoryRegistry.h"
#include "platform/vcl/RegistryApi.h"
#include "platform/vcl/WinApi.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace testing_support {

enum class Backend { Advapi32, Memory };

// The backends this build can run: advapi32 only in Windows builds.
std::vector<Backend> AvailableBackends();
std::string BackendName(Backend backend);
inline std::ostream& operator<<(std::ostream& out, Backend backend) {
    return out << BackendName(backend);
}

struct RawValue {
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

class TestRegistry {
public:
    explicit TestRegistry(Backend backend);
    ~TestRegistry();

    vcl::RegistryApi& Api() { return *api_; }
    // The in-memory registry, or nullptr for the real one.
    vcl::MemoryRegistry* Memory() { return memory_; }

    // Paths are relative to HKEY_CURRENT_USER, without a leading "\".
    void CreateKey(const std::string& path);
    void SetValue(const std::string& path, const std::string& name, DWORD type,
                  std::vector<BYTE> data);
    void SetDword(const std::string& path, const std::string& name, std::uint32_t value);
    std::optional<RawValue> GetValue(const std::string& path, const std::string& name);
    bool KeyExists(const std::string& path);
    void DeleteTree(const std::string& path);  // no error if missing

private:
    std::unique_ptr<vcl::RegistryApi> owned_;
    vcl::RegistryApi* api_;
    vcl::MemoryRegistry* memory_ = nullptr;
    std::unique_ptr<vcl::ScopedRegistryApi> installed_;
};

std::vector<BYTE> DwordBytes(std::uint32_t value);

}  // namespace testing_support
