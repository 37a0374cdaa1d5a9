#include "RegistryApi.h"

#if TRAMVELT_HAS_WINDOWS
#include "Win32RegistryApi.h"
#else
#include "MemoryRegistry.h"
#endif

namespace vcl {

namespace {

RegistryApi& DefaultApi() {
#if TRAMVELT_HAS_WINDOWS
    static Win32RegistryApi api;
#else
    static MemoryRegistry api;
#endif
    return api;
}

RegistryApi* installed = nullptr;

}  // namespace

RegistryApi& RegistryApi::Current() { return installed ? *installed : DefaultApi(); }

RegistryApi* RegistryApi::Install(RegistryApi* api) {
    RegistryApi* previous = installed;
    installed = api;
    return previous;
}

}  // namespace vcl
