// The registry contract: TRegistry over each backend this build has. Windows
// builds run it against Wine's real registry and the in-memory one; the native
// build against the in-memory one. Cases the real registry cannot show under
// Wine are in RegistryMemoryOnlyTest below.
#include "platform/vcl/Exception.h"
#include "platform/vcl/FaultInjection.h"
#include "platform/vcl/TRegistry.h"
#include "platform/vcl/TStringList.h"
#include "tests/support/TestRegistry.h"

#include <gtest/gtest.h>

using testing_support::AvailableBackends;
using testing_support::Backend;
using testing_support::DwordBytes;
using testing_support::TestRegistry;

namespace {

const std::string kScratch = "Software\\TramveltTest\\Contract";

class RegistryContract : public ::testing::TestWithParam<Backend> {
protected:
    RegistryContract() : registry_(GetParam()) { registry_.DeleteTree(kScratch); }
    ~RegistryContract() override { registry_.DeleteTree(kScratch); }

    std::vector<std::string> Names(vcl::TRegistry& reg) {
        vcl::TStringList list;
        list.Add("stale");
        reg.GetKeyNames(list);
        std::vector<std::string> names;
        for (int i = 0; i < list.Count(); ++i) names.push_back(list[i]);
        return names;
    }

    TestRegistry registry_;
};

TEST_P(RegistryContract, EnumeratesSubkeysInCaseInsensitiveSortedOrder) {
    for (const char* name : {"b", "C", "a", "A_1", "a1"}) registry_.CreateKey(kScratch + "\\" + name);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\" + kScratch, false));
    // Upper-case comparison puts "_" (0x5F) after the digits (0x31).
    EXPECT_EQ(Names(reg), (std::vector<std::string>{"a", "a1", "A_1", "b", "C"}));
}

TEST_P(RegistryContract, KeyWithoutSubkeysListsNothingAndNoKeyListsNothing) {
    registry_.CreateKey(kScratch);
    vcl::TRegistry reg;
    EXPECT_TRUE(Names(reg).empty()) << "no current key";
    ASSERT_TRUE(reg.OpenKey(kScratch, false));
    EXPECT_TRUE(Names(reg).empty());
}

TEST_P(RegistryContract, KeyExistsTestsWithoutChangingTheCurrentKey) {
    registry_.CreateKey(kScratch + "\\Here");
    vcl::TRegistry reg;
    EXPECT_TRUE(reg.KeyExists("\\" + kScratch + "\\Here"));
    EXPECT_TRUE(reg.KeyExists(kScratch + "\\Here")) << "no leading backslash, no current key";
    EXPECT_FALSE(reg.KeyExists(kScratch + "\\Gone"));
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_FALSE(registry_.KeyExists(kScratch + "\\Gone")) << "the test creates nothing";
}

TEST_P(RegistryContract, OpenKeyResolvesPathsAgainstRootOrCurrentKey) {
    registry_.CreateKey(kScratch + "\\A\\B");
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\" + kScratch, false));
    HKEY scratch = reg.CurrentKey();
    // Without a leading backslash the path is relative to the current key.
    ASSERT_TRUE(reg.OpenKey("A", false));
    EXPECT_NE(reg.CurrentKey(), scratch);
    EXPECT_EQ(Names(reg), (std::vector<std::string>{"B"}));
    // A failed open keeps the current key.
    HKEY a = reg.CurrentKey();
    EXPECT_FALSE(reg.OpenKey("Missing", false));
    EXPECT_EQ(reg.CurrentKey(), a);
    EXPECT_FALSE(registry_.KeyExists(kScratch + "\\A\\Missing"));
    // With a leading backslash it is taken from the root again.
    ASSERT_TRUE(reg.OpenKey("\\" + kScratch + "\\A\\B", false));
    EXPECT_TRUE(Names(reg).empty());
}

TEST_P(RegistryContract, OpenKeyWithCreateMakesMissingKeysOnTheWay) {
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\" + kScratch + "\\X\\Y\\Z", true));
    EXPECT_TRUE(registry_.KeyExists(kScratch + "\\X\\Y\\Z"));
    reg.WriteInteger("Enabled", 1);
    EXPECT_TRUE(registry_.GetValue(kScratch + "\\X\\Y\\Z", "Enabled").has_value());
}

TEST_P(RegistryContract, SetRootKeyToAnotherRootClosesTheCurrentKey) {
    registry_.CreateKey(kScratch);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch, false));
    reg.SetRootKey(HKEY_CURRENT_USER);
    EXPECT_NE(reg.CurrentKey(), nullptr) << "same root keeps the key";
    reg.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_EQ(reg.CurrentKey(), nullptr);
    EXPECT_EQ(reg.RootKey(), HKEY_LOCAL_MACHINE);
}

struct ReadCase {
    const char* label;
    DWORD type;
    std::vector<BYTE> data;
    bool present;
    int expected;            // when no error
    const char* error;       // message, or nullptr
};

TEST_P(RegistryContract, ReadIntegerAcceptsOnlyDwordsOfFourBytes) {
    const std::vector<ReadCase> cases = {
        {"dword 1", REG_DWORD, DwordBytes(1), true, 1, nullptr},
        {"dword 0", REG_DWORD, DwordBytes(0), true, 0, nullptr},
        {"dword 2", REG_DWORD, DwordBytes(2), true, 2, nullptr},
        {"dword -1", REG_DWORD, DwordBytes(0xFFFFFFFFu), true, -1, nullptr},
        {"missing", REG_NONE, {}, false, 0, "Failed to get data for 'Enabled'"},
        {"string", REG_SZ, {'1', 0}, true, 0, "Invalid data type for 'Enabled'"},
        {"binary", REG_BINARY, {1, 0, 0, 0}, true, 0, "Invalid data type for 'Enabled'"},
        {"qword", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, true, 0, "Failed to get data for 'Enabled'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        registry_.DeleteTree(kScratch);
        registry_.CreateKey(kScratch);
        if (c.present) registry_.SetValue(kScratch, "Enabled", c.type, c.data);
        vcl::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kScratch, false));
        if (c.error) {
            try {
                reg.ReadInteger("Enabled");
                ADD_FAILURE() << "no exception";
            } catch (const vcl::ERegistryException& e) {
                EXPECT_EQ(e.Message(), c.error);
            }
        } else {
            EXPECT_EQ(reg.ReadInteger("Enabled"), c.expected);
        }
    }
}

TEST_P(RegistryContract, QwordIntoFourByteBufferIsMoreData) {
    registry_.SetValue(kScratch, "Q", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0});
    HKEY key = nullptr;
    ASSERT_EQ(registry_.Api().OpenKeyEx(HKEY_CURRENT_USER, kScratch.c_str(), 0, KEY_ALL_ACCESS, &key),
              ERROR_SUCCESS);
    BYTE data[4];
    DWORD size = sizeof data, type = 0;
    EXPECT_EQ(registry_.Api().QueryValueEx(key, "Q", &type, data, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(registry_.Api().CloseKey(key), ERROR_SUCCESS);
}

TEST_P(RegistryContract, WriteIntegerStoresAFourByteDwordLeastSignificantFirst) {
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch, true));
    reg.WriteInteger("Enabled", 0x01020304);
    auto value = registry_.GetValue(kScratch, "Enabled");
    ASSERT_TRUE(value);
    EXPECT_EQ(value->type, REG_DWORD);
    EXPECT_EQ(value->data, (std::vector<BYTE>{4, 3, 2, 1}));
    // Overwrites a value of another type.
    registry_.SetValue(kScratch, "Other", REG_SZ, {'x', 0});
    reg.WriteInteger("Other", 0);
    EXPECT_EQ(registry_.GetValue(kScratch, "Other")->type, REG_DWORD);
}

TEST_P(RegistryContract, ReadAndWriteWithoutCurrentKeyFail) {
    vcl::TRegistry reg;
    EXPECT_THROW(
        {
            try {
                reg.WriteInteger("Enabled", 1);
            } catch (const vcl::ERegistryException& e) {
                EXPECT_EQ(e.Message(), "Failed to set data for 'Enabled'");
                throw;
            }
        },
        vcl::ERegistryException);
    EXPECT_THROW(reg.ReadInteger("Enabled"), vcl::ERegistryException);
}

TEST_P(RegistryContract, NamesOfTheMaximumLengthRoundTrip) {
    // A subkey name may have 255 characters, but the ANSI calls take at most 255
    // characters of path: such a key is reached only relative to its parent.
    const std::string longest(255, 'k');
    registry_.CreateKey(kScratch + "\\short");
    vcl::RegistryApi& api = registry_.Api();
    HKEY parent = nullptr, child = nullptr;
    ASSERT_EQ(api.OpenKeyEx(HKEY_CURRENT_USER, kScratch.c_str(), 0, KEY_ALL_ACCESS, &parent),
              ERROR_SUCCESS);
    ASSERT_EQ(api.CreateKeyEx(parent, longest.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &child, nullptr),
              ERROR_SUCCESS);
    api.CloseKey(child);
    api.CloseKey(parent);

    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch, false));
    EXPECT_EQ(Names(reg), (std::vector<std::string>{longest, "short"}));
    ASSERT_TRUE(reg.OpenKey(longest, false)) << "relative to the current key";
    EXPECT_FALSE(reg.OpenKey("\\" + kScratch + "\\" + longest, false)) << "path too long";
}

TEST_P(RegistryContract, CodePage1252NamesRoundTrip) {
    const std::string name = "Übersicht ß";
    registry_.CreateKey(kScratch + "\\" + name);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch, false));
    EXPECT_EQ(Names(reg), (std::vector<std::string>{name}));
}

TEST_P(RegistryContract, KeyDeletedUnderAnOpenHandle) {
    registry_.CreateKey(kScratch + "\\Doomed\\Child");
    registry_.SetDword(kScratch + "\\Doomed", "Enabled", 1);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch + "\\Doomed", false));
    registry_.DeleteTree(kScratch + "\\Doomed");
    EXPECT_TRUE(Names(reg).empty());
    EXPECT_THROW(reg.ReadInteger("Enabled"), vcl::ERegistryException);
    EXPECT_THROW(reg.WriteInteger("Enabled", 1), vcl::ERegistryException);
    EXPECT_FALSE(registry_.KeyExists(kScratch + "\\Doomed"));
    // Opening it again with create brings it back.
    ASSERT_TRUE(reg.OpenKey("\\" + kScratch + "\\Doomed", true));
    reg.WriteInteger("Enabled", 0);
    EXPECT_EQ(registry_.GetValue(kScratch + "\\Doomed", "Enabled")->data, DwordBytes(0));
}

INSTANTIATE_TEST_SUITE_P(Backends, RegistryContract, ::testing::ValuesIn(AvailableBackends()),
                         [](const auto& info) { return BackendName(info.param); });

// Only the in-memory registry can show these: Wine runs every program with
// administrator rights (no key can deny full access), and memory exhaustion and
// handle bookkeeping cannot be provoked or observed in the real registry.
class RegistryMemoryOnly : public ::testing::Test {
protected:
    RegistryMemoryOnly() : registry_(Backend::Memory), memory_(*registry_.Memory()) {}
    ~RegistryMemoryOnly() override { vcl::FaultInjection::Reset(); }
    TestRegistry registry_;
    vcl::MemoryRegistry& memory_;
};

TEST_F(RegistryMemoryOnly, ReadOnlyKeyCannotBeOpenedWithFullAccess) {
    registry_.SetDword(kScratch + "\\Locked", "Enabled", 1);
    memory_.DenyWrite(HKEY_CURRENT_USER, kScratch + "\\Locked");
    EXPECT_TRUE(registry_.GetValue(kScratch + "\\Locked", "Enabled")) << "still readable";
    vcl::TRegistry reg;
    EXPECT_FALSE(reg.KeyExists(kScratch + "\\Locked"));
    EXPECT_FALSE(reg.OpenKey(kScratch + "\\Locked", false));
    EXPECT_FALSE(reg.OpenKey(kScratch + "\\Locked", true));
    EXPECT_FALSE(reg.OpenKey(kScratch + "\\Locked\\New", true)) << "no subkey either";
    EXPECT_EQ(reg.CurrentKey(), nullptr);
}

TEST_F(RegistryMemoryOnly, FailingWriteRaisesTheSetDataMessage) {
    registry_.CreateKey(kScratch);
    memory_.FailSetValue(HKEY_CURRENT_USER, kScratch);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch, false));
    try {
        reg.WriteInteger("Enabled", 1);
        FAIL() << "no exception";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'Enabled'");
    }
}

TEST_F(RegistryMemoryOnly, EveryOpenedKeyIsClosed) {
    registry_.CreateKey(kScratch + "\\A");
    {
        vcl::TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kScratch, false));
        ASSERT_TRUE(reg.OpenKey("A", false));
        EXPECT_TRUE(reg.KeyExists("\\" + kScratch));
        EXPECT_EQ(memory_.OpenHandleCount(), 1u) << "reopening closes the previous key";
    }
    EXPECT_EQ(memory_.OpenHandleCount(), 0u);
}

TEST_F(RegistryMemoryOnly, ListAppendFailurePassesOutOfGetKeyNames) {
    for (const char* name : {"a", "b", "c"}) registry_.CreateKey(kScratch + "\\" + name);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kScratch, false));
    vcl::TStringList list;
    vcl::FaultInjection::FailAppendAt(2);
    EXPECT_THROW(reg.GetKeyNames(list), vcl::EOutOfMemory);
    EXPECT_EQ(list.Count(), 1);
}

TEST_F(RegistryMemoryOnly, UnknownHandlesAndShortNameBuffersAreRefused) {
    registry_.CreateKey(kScratch + "\\abcdef");
    HKEY key = nullptr;
    ASSERT_EQ(memory_.OpenKeyEx(HKEY_CURRENT_USER, kScratch.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
    char name[4];
    DWORD length = sizeof name;
    EXPECT_EQ(memory_.EnumKeyEx(key, 0, name, &length), ERROR_MORE_DATA);
    length = sizeof name;
    EXPECT_EQ(memory_.EnumKeyEx(key, 1, name, &length), ERROR_NO_MORE_ITEMS);
    EXPECT_EQ(memory_.SetValueEx(key, "x", 0, REG_DWORD, DwordBytes(1).data(), 4),
              ERROR_ACCESS_DENIED) << "opened for reading only";
    EXPECT_EQ(memory_.CloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(memory_.CloseKey(key), ERROR_INVALID_HANDLE);
}

}  // namespace
