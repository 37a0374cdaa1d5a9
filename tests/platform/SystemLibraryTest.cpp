// System DLLs loaded on first use: found by full path in the system directory,
// freed with the object, and failures raised as exceptions that say what is
// missing.
#include "platform/vcl/Exception.h"
#include "platform/vcl/SystemLibrary.h"

#include <gtest/gtest.h>

#if TRAMVELT_HAS_WINDOWS
namespace {

using vcl::SystemLibrary;

// A DLL nothing else in the test loads.
constexpr const char* kLibrary = "cabinet.dll";

std::string SystemDirectory() {
    char directory[MAX_PATH] = {};
    ::GetSystemDirectoryA(directory, MAX_PATH);
    return directory;
}

TEST(SystemLibrary, LoadsOnFirstUseAndFreesWithTheObject) {
    ASSERT_EQ(::GetModuleHandleA(kLibrary), nullptr) << "loaded before the test";
    {
        SystemLibrary library(kLibrary);
        EXPECT_FALSE(library.Loaded());
        EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr) << "not loaded by the constructor";
        using GetVersionFunction = DWORD(WINAPI*)();
        auto version = library.Function<GetVersionFunction>("GetDllVersion");
        ASSERT_NE(version, nullptr);
        EXPECT_TRUE(library.Loaded());
        HMODULE module = ::GetModuleHandleA(kLibrary);
        ASSERT_NE(module, nullptr);
        EXPECT_EQ(reinterpret_cast<void*>(version),
                  reinterpret_cast<void*>(::GetProcAddress(module, "GetDllVersion")));
        char path[MAX_PATH] = {};
        ::GetModuleFileNameA(module, path, MAX_PATH);
        EXPECT_STRCASEEQ(path, (SystemDirectory() + "\\" + kLibrary).c_str());
    }
    EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr) << "freed with the object";
}

TEST(SystemLibrary, MissingLibrariesAndFunctionsRaiseTheirNames) {
    struct Case {
        const char* library;
        const char* function;
        std::string message;
    };
    const Case cases[] = {
        {kLibrary, "NoSuchFunction", "Cannot find NoSuchFunction in cabinet.dll"},
        {"tramvelt-none.dll", "Anything",
         "Cannot load " + SystemDirectory() + "\\tramvelt-none.dll (error 126)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.library) + " " + c.function);
        SystemLibrary library(c.library);
        try {
            library.Function<FARPROC>(c.function);
            ADD_FAILURE() << "no exception";
        } catch (const vcl::Exception& error) {
            EXPECT_EQ(error.Message(), c.message);
        }
    }
    EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr) << "freed after the failed lookup";
}

}  // namespace
#endif
