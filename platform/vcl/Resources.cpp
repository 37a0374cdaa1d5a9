#include "Resources.h"

#include "Exception.h"
#include "WinApi.h"

#include <cctype>
#include <cstddef>

#if !TRAMVELT_HAS_WINDOWS
// Generated from the resource list by the build.
struct EmbeddedResource {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};
extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;
#endif

namespace vcl {

std::string_view FindResourceData(const std::string& name) {
    std::string key;
    // Stored under the file name in upper case, dots as underscores.
    for (char c : name)
        key += c == '.' ? '_' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
#if TRAMVELT_HAS_WINDOWS
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC info = ::FindResourceA(module, key.c_str(), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    const void* data = loaded ? ::LockResource(loaded) : nullptr;
    if (data)
        return std::string_view(static_cast<const char*>(data), ::SizeofResource(module, info));
#else
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i)
        if (key == kEmbeddedResources[i].name)
            return std::string_view(reinterpret_cast<const char*>(kEmbeddedResources[i].data),
                                    kEmbeddedResources[i].size);
#endif
    throw EResNotFound(Format("Resource %s not found", name));
}

}  // namespace vcl
