// The key walker over each registry backend this build has.
#include "journal/KeyWalker.h"
#include "platform/vcl/Exception.h"
#include "tests/support/TestRegistry.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>
#include <vector>

using testing_support::AvailableBackends;
using testing_support::Backend;
using testing_support::TestRegistry;

namespace {

const std::string kRoot = "Software\\TramveltTest\\Walker";
const std::string kPath = "\\" + kRoot;

using Visit = std::pair<std::string, std::string>;
std::vector<Visit> visits;
int throwOnVisit = 0;  // 1-based visit that raises; 0: none

std::int32_t Record(const std::string& path, const std::string& name) {
    visits.emplace_back(path, name);
    if (static_cast<int>(visits.size()) == throwOnVisit) throw vcl::Exception("visitor failed");
    return 0;  // ignored by the walker
}

class KeyWalker : public ::testing::TestWithParam<Backend> {
protected:
    KeyWalker() : registry_(GetParam()) {
        registry_.DeleteTree(kRoot);
        visits.clear();
        throwOnVisit = 0;
    }
    ~KeyWalker() override { registry_.DeleteTree(kRoot); }
    void Create(std::initializer_list<const char*> paths) {
        for (const char* path : paths) registry_.CreateKey(kRoot + "\\" + path);
    }
    TestRegistry registry_;
};

TEST_P(KeyWalker, NullVisitorTouchesNothing) {
    Create({"A"});
    EXPECT_FALSE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, nullptr, true));
    if (auto* memory = registry_.Memory()) {
        EXPECT_EQ(memory->CallCount("RegOpenKeyExA"), 0);
    }
}

TEST_P(KeyWalker, MissingKeyIsNotCreatedAndNotVisited) {
    EXPECT_FALSE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath + "\\Missing", Record, false));
    EXPECT_TRUE(visits.empty());
    EXPECT_FALSE(registry_.KeyExists(kRoot + "\\Missing"));
}

TEST_P(KeyWalker, KeyWithoutSubkeysIsTrueWithoutVisits) {
    registry_.CreateKey(kRoot);
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, true));
    EXPECT_TRUE(visits.empty());
}

TEST_P(KeyWalker, VisitsSiblingsFromLastEnumeratedToFirst) {
    Create({"B", "C", "A"});
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, false));
    EXPECT_EQ(visits, (std::vector<Visit>{{kPath, "C"}, {kPath, "B"}, {kPath, "A"}}));
}

TEST_P(KeyWalker, WithoutRecursionDeeperKeysAreNotVisited) {
    Create({"A\\X\\Deep", "B"});
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, false));
    EXPECT_EQ(visits, (std::vector<Visit>{{kPath, "B"}, {kPath, "A"}}));
}

TEST_P(KeyWalker, RecursionVisitsEveryKeyAfterEverythingBelowIt) {
    Create({"A\\X", "B"});
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, true));
    EXPECT_EQ(visits, (std::vector<Visit>{{kPath + "\\A", "X"}, {kPath, "B"}, {kPath, "A"}}));

    visits.clear();
    Create({"A\\X\\Y1", "A\\X\\Y2", "B\\Z"});
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, true));
    EXPECT_EQ(visits, (std::vector<Visit>{{kPath + "\\B", "Z"},
                                          {kPath + "\\A\\X", "Y2"},
                                          {kPath + "\\A\\X", "Y1"},
                                          {kPath + "\\A", "X"},
                                          {kPath, "B"},
                                          {kPath, "A"}}));
}

TEST_P(KeyWalker, PathIsHandedOnUnchanged) {
    Create({"A\\X"});
    // No leading backslash: still opened from the root, and passed on as given.
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kRoot, Record, true));
    EXPECT_EQ(visits, (std::vector<Visit>{{kRoot + "\\A", "X"}, {kRoot, "A"}}));
}

TEST_P(KeyWalker, VisitorExceptionEndsTheWalkAndPassesOut) {
    Create({"A\\X", "A\\Y", "B"});
    throwOnVisit = 1;
    try {
        EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, true);
        FAIL() << "no exception";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.Message(), "visitor failed");
    }
    // B is walked first (no subkeys), then A, whose first visit raises.
    EXPECT_EQ(visits, (std::vector<Visit>{{kPath + "\\A", "Y"}}));
    if (auto* memory = registry_.Memory()) {
        EXPECT_EQ(memory->OpenHandleCount(), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, KeyWalker, ::testing::ValuesIn(AvailableBackends()),
                         [](const auto& info) { return BackendName(info.param); });

// In-memory only: the key is deleted between the walker's test and its open,
// and a subkey that denies full access (which Wine cannot set up).
TEST(KeyWalkerMemoryOnly, KeyDeletedBetweenTestAndOpenYieldsNoVisits) {
    TestRegistry registry(Backend::Memory);
    registry.CreateKey(kRoot + "\\A");
    int opens = 0;
    registry.Memory()->SetCallHook([&](const char* call) {
        if (std::string(call) == "RegOpenKeyExA" && ++opens == 2)
            registry.Memory()->DeleteTree(HKEY_CURRENT_USER, kRoot.c_str());
    });
    visits.clear();
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, false));
    EXPECT_TRUE(visits.empty());
    registry.Memory()->SetCallHook(nullptr);
    EXPECT_EQ(registry.Memory()->OpenHandleCount(), 0u);
}

TEST(KeyWalkerMemoryOnly, ReadOnlySubkeyIsVisitedButNotWalked) {
    TestRegistry registry(Backend::Memory);
    registry.CreateKey(kRoot + "\\Locked\\Inner");
    registry.CreateKey(kRoot + "\\Open\\Inner");
    registry.Memory()->DenyWrite(HKEY_CURRENT_USER, kRoot + "\\Locked");
    visits.clear();
    throwOnVisit = 0;
    EXPECT_TRUE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath, Record, true));
    EXPECT_EQ(visits, (std::vector<Visit>{{kPath + "\\Open", "Inner"}, {kPath, "Open"}, {kPath, "Locked"}}));
    EXPECT_FALSE(EnumKeysRecursive(HKEY_CURRENT_USER, kPath + "\\Locked", Record, false));
}

}  // namespace
