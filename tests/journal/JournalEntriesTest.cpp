// Loading and applying the journaling entries over each registry backend this
// build has, with a main window that has no window handle.
#include "journal/JournalEntries.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/FaultInjection.h"
#include "tests/support/TestRegistry.h"
#include "ui/main/MainForm.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using testing_support::AvailableBackends;
using testing_support::Backend;
using testing_support::DwordBytes;
using testing_support::TestRegistry;

namespace {

const std::string kJournal = "Software\\Microsoft\\Shared Tools\\Outlook\\Journaling";

std::string Entry(const std::string& name) { return kJournal + "\\" + name; }

class JournalFixture {
protected:
    explicit JournalFixture(Backend backend) : registry_(backend) {
        registry_.DeleteTree(kJournal);
        JournalCount = 0;
        form_ = std::make_unique<TForm1>(nullptr);
        Form1 = form_.get();
    }
    ~JournalFixture() {
        Form1 = nullptr;
        vcl::FaultInjection::Reset();
        registry_.DeleteTree(kJournal);
    }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (int i = 0; i < Form1->ListBox1->Items->Count(); ++i)
            names.push_back(Form1->ListBox1->Items->Get(i));
        return names;
    }
    std::vector<int> Flags() const {
        std::vector<int> flags;
        for (int i = 0; i < Form1->ListBox1->Items->Count() && i < 1024; ++i)
            flags.push_back(Form1->JournalOn[i]);
        return flags;
    }
    std::vector<BYTE> Enabled(const std::string& name) {
        auto value = registry_.GetValue(Entry(name), "Enabled");
        if (!value) return {};
        EXPECT_EQ(value->type, REG_DWORD) << name;
        return value->data;
    }

    TestRegistry registry_;
    std::unique_ptr<TForm1> form_;
};

class JournalEntries : public JournalFixture, public ::testing::TestWithParam<Backend> {
protected:
    JournalEntries() : JournalFixture(GetParam()) {}
};

TEST_P(JournalEntries, MissingJournalingKeyLoadsNothingAndCreatesNothing) {
    LoadJournalEntries();
    EXPECT_TRUE(Names().empty());
    EXPECT_EQ(JournalCount, 0);
    EXPECT_FALSE(registry_.KeyExists(kJournal));
}

TEST_P(JournalEntries, EntriesComeInReverseEnumerationOrderWithTheirFlags) {
    registry_.SetDword(Entry("A"), "Enabled", 1);
    registry_.SetDword(Entry("B"), "Enabled", 0);
    registry_.SetDword(Entry("C"), "Enabled", 1);
    LoadJournalEntries();
    EXPECT_EQ(Names(), (std::vector<std::string>{"C", "B", "A"}));
    EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(JournalCount, 3);
}

TEST_P(JournalEntries, OnlyADwordOfOneIsOn) {
    struct Case {
        const char* name;
        DWORD type;
        std::vector<BYTE> data;  // empty: no value at all
        int flag;
    };
    const std::vector<Case> cases = {
        {"a dword 1", REG_DWORD, DwordBytes(1), 1},
        {"b dword 0", REG_DWORD, DwordBytes(0), 0},
        {"c dword 2", REG_DWORD, DwordBytes(2), 0},
        {"d dword 0x101", REG_DWORD, DwordBytes(0x101), 0},
        {"e missing", REG_NONE, {}, 0},
        {"f string 1", REG_SZ, {'1', 0}, 0},
        {"g binary 01000000", REG_BINARY, {1, 0, 0, 0}, 0},
        {"h qword 1", REG_QWORD, {1, 0, 0, 0, 0, 0, 0, 0}, 0},
    };
    for (const auto& c : cases) {
        if (c.data.empty())
            registry_.CreateKey(Entry(c.name));
        else
            registry_.SetValue(Entry(c.name), "Enabled", c.type, c.data);
    }
    LoadJournalEntries();
    ASSERT_EQ(JournalCount, static_cast<int>(cases.size()));
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[cases.size() - 1 - i];  // reverse order
        EXPECT_EQ(Names()[i], c.name);
        EXPECT_EQ(Form1->JournalOn[i], c.flag) << c.name;
    }
}

TEST_P(JournalEntries, LoadOnlyAppendsAndCountsOn) {
    registry_.SetDword(Entry("A"), "Enabled", 1);
    registry_.SetDword(Entry("B"), "Enabled", 0);
    LoadJournalEntries();
    LoadJournalEntries();
    EXPECT_EQ(Names(), (std::vector<std::string>{"B", "A", "B", "A"}));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 1, 0, 1}));
    EXPECT_EQ(JournalCount, 4);
}

TEST_P(JournalEntries, ApplyWritesEveryEntryAsADword) {
    registry_.SetDword(Entry("Two"), "Enabled", 2);
    registry_.CreateKey(Entry("None"));
    registry_.SetValue(Entry("Text"), "Enabled", REG_SZ, {'1', 0});
    registry_.SetDword(Entry("On"), "Enabled", 1);
    LoadJournalEntries();  // Two, Text, On, None
    ASSERT_EQ(Names(), (std::vector<std::string>{"Two", "Text", "On", "None"}));
    Form1->JournalOn[1] = 1;  // Text flipped on
    ApplyJournalEntries();
    EXPECT_EQ(Enabled("Two"), DwordBytes(0));
    EXPECT_EQ(Enabled("Text"), DwordBytes(1));
    EXPECT_EQ(Enabled("On"), DwordBytes(1));
    EXPECT_EQ(Enabled("None"), DwordBytes(0));
    EXPECT_EQ(Names(), (std::vector<std::string>{"Two", "Text", "On", "None"}));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 1, 1, 0}));
    EXPECT_EQ(JournalCount, 4);
}

TEST_P(JournalEntries, ApplyRecreatesAnEntryKeyDeletedMeanwhile) {
    registry_.SetDword(Entry("Kept"), "Enabled", 0);
    registry_.SetDword(Entry("Gone"), "Enabled", 1);
    LoadJournalEntries();
    registry_.DeleteTree(Entry("Gone"));
    ApplyJournalEntries();
    EXPECT_EQ(Enabled("Gone"), DwordBytes(1));
    EXPECT_EQ(Enabled("Kept"), DwordBytes(0));
}

TEST_P(JournalEntries, TwoAppliesWriteTheSameValuesTwice) {
    registry_.SetDword(Entry("A"), "Enabled", 1);
    registry_.SetDword(Entry("B"), "Enabled", 2);
    LoadJournalEntries();
    ApplyJournalEntries();
    registry_.SetDword(Entry("A"), "Enabled", 7);  // changed behind our back
    ApplyJournalEntries();
    EXPECT_EQ(Enabled("A"), DwordBytes(1));
    EXPECT_EQ(Enabled("B"), DwordBytes(0));
    if (auto* memory = registry_.Memory()) {
        EXPECT_EQ(memory->CallCount("RegSetValueExA"), 3 + 2 * 2);
    }
}

TEST_P(JournalEntries, EntriesFromIndex1024OnAreNeitherFlaggedNorWritten) {
    // 1030 entries "k0000".."k1029" enumerate in that order, so the list holds
    // k1029 first and the last six rows (index 1024 on) are k0005..k0000.
    constexpr int kEntries = 1030;
    auto name = [](int i) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "k%04d", i);
        return std::string(buffer);
    };
    auto initial = [](int i) { return static_cast<std::uint32_t>(i % 3); };  // 0, 1, 2
    for (int i = 0; i < kEntries; ++i) registry_.SetDword(Entry(name(i)), "Enabled", initial(i));
    LoadJournalEntries();
    ASSERT_EQ(JournalCount, kEntries);
    ASSERT_EQ(Form1->ListBox1->Items->Count(), kEntries);
    for (int row = 0; row < 1024; ++row)
        ASSERT_EQ(Form1->JournalOn[row], initial(kEntries - 1 - row) == 1 ? 1 : 0) << row;

    for (int row = 0; row < 1024; ++row) Form1->JournalOn[row] ^= 1;
    ApplyJournalEntries();
    for (int i = 0; i < kEntries; ++i) {
        int row = kEntries - 1 - i;
        std::uint32_t expected = row < 1024 ? (initial(i) == 1 ? 0u : 1u) : initial(i);
        ASSERT_EQ(Enabled(name(i)), DwordBytes(expected)) << name(i) << " row " << row;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, JournalEntries, ::testing::ValuesIn(AvailableBackends()),
                         [](const auto& info) { return BackendName(info.param); });

// In-memory only: keys that deny full access and failing writes cannot be set
// up under Wine (every program runs with administrator rights there), and
// memory exhaustion cannot be provoked in the real registry.
class JournalEntriesMemoryOnly : public JournalFixture, public ::testing::Test {
protected:
    JournalEntriesMemoryOnly() : JournalFixture(Backend::Memory), memory_(*registry_.Memory()) {}
    vcl::MemoryRegistry& memory_;
};

TEST_F(JournalEntriesMemoryOnly, ReadOnlyEntryLoadsOffAndStopsTheApplyThere) {
    for (const char* name : {"A", "B", "C", "D"}) registry_.SetDword(Entry(name), "Enabled", 1);
    memory_.DenyWrite(HKEY_CURRENT_USER, Entry("B"));
    LoadJournalEntries();  // D, C, B, A
    EXPECT_EQ(Flags(), (std::vector<int>{1, 1, 0, 1}));
    for (int row = 0; row < 4; ++row) Form1->JournalOn[row] = 0;
    try {
        ApplyJournalEntries();
        FAIL() << "no exception";
    } catch (const vcl::ERegistryException& e) {
        EXPECT_EQ(e.Message(), "Failed to set data for 'Enabled'");
    }
    // Last entry first: A written, B failed, C and D untouched.
    EXPECT_EQ(Enabled("A"), DwordBytes(0));
    EXPECT_EQ(Enabled("B"), DwordBytes(1));
    EXPECT_EQ(Enabled("C"), DwordBytes(1));
    EXPECT_EQ(Enabled("D"), DwordBytes(1));
    EXPECT_EQ(Flags(), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(memory_.OpenHandleCount(), 0u);
}

TEST_F(JournalEntriesMemoryOnly, WriteFailingAtEntryKStopsBeforeAnyEarlierEntry) {
    const int n = 6;
    for (int i = 0; i < n; ++i) registry_.SetDword(Entry(std::string(1, char('A' + i))), "Enabled", 2);
    LoadJournalEntries();  // F, E, D, C, B, A: row r is letter 'F' - r
    for (int k = 0; k < n; ++k) {
        SCOPED_TRACE("failing row " + std::to_string(k));
        for (int i = 0; i < n; ++i) registry_.SetDword(Entry(std::string(1, char('A' + i))), "Enabled", 2);
        memory_.FailSetValue(HKEY_CURRENT_USER, Entry(std::string(1, char('F' - k))));
        EXPECT_THROW(ApplyJournalEntries(), vcl::ERegistryException);
        memory_.FailSetValue(HKEY_CURRENT_USER, Entry(std::string(1, char('F' - k))), ERROR_SUCCESS);
        for (int row = 0; row < n; ++row) {
            std::string name(1, char('F' - row));
            EXPECT_EQ(Enabled(name), DwordBytes(row > k ? 0 : 2)) << "row " << row;
        }
    }
}

TEST_F(JournalEntriesMemoryOnly, AppendFailureEndsTheLoadAtThatEntry) {
    for (const char* name : {"A", "B", "C", "D"}) registry_.SetDword(Entry(name), "Enabled", 1);
    vcl::FaultInjection::FailAppendAt(7);  // 4 appends list the keys, then D, C, B's fails
    EXPECT_THROW(LoadJournalEntries(), vcl::EOutOfMemory);
    EXPECT_EQ(Names(), (std::vector<std::string>{"D", "C"}));
    EXPECT_EQ(JournalCount, 2);
    EXPECT_EQ(memory_.OpenHandleCount(), 0u);
}

TEST_F(JournalEntriesMemoryOnly, FailureWhileListingTheKeysLoadsNothing) {
    for (const char* name : {"A", "B"}) registry_.SetDword(Entry(name), "Enabled", 1);
    vcl::FaultInjection::FailAppendAt(2);
    EXPECT_THROW(LoadJournalEntries(), vcl::EOutOfMemory);
    EXPECT_TRUE(Names().empty());
    EXPECT_EQ(JournalCount, 0);
    EXPECT_EQ(memory_.OpenHandleCount(), 0u);
}

}  // namespace
