#include "journal/JournalEntries.h"

#include "journal/KeyWalker.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/TRegistry.h"
#include "ui/main/MainForm.h"

#include <memory>

const char* const JournalingKey = "\\Software\\Microsoft\\Shared Tools\\Outlook\\Journaling";

std::int32_t JournalCount = 0;

namespace {

const char* const EnabledValue = "Enabled";

}  // namespace

void LoadJournalEntries() {
    EnumKeysRecursive(HKEY_CURRENT_USER, JournalingKey, AddJournalEntry, false);
}

std::int32_t AddJournalEntry(const std::string& path, const std::string& name) {
    Form1->ListBox1->Items->Add(name);
    auto registry = std::make_unique<vcl::TRegistry>();
    // Entries with no flag left are counted but neither read nor written.
    if (JournalCount < TForm1::JournalFlagCount) {
        unsigned char& flag = Form1->JournalOn[JournalCount];
        try {
            // Not checked: a key that cannot be opened leaves no current key,
            // and the read below fails.
            registry->OpenKey(path + "\\" + name, true);
            flag = registry->ReadInteger(EnabledValue) == 1 ? 1 : 0;
        } catch (...) {
            flag = 0;
        }
    }
    registry.reset();
    ++JournalCount;
    return 1;
}

void ApplyJournalEntries() {
    auto registry = std::make_unique<vcl::TRegistry>();
    vcl::TStrings& names = *Form1->ListBox1->Items;
    int last = names.Count() < TForm1::JournalFlagCount ? names.Count() : TForm1::JournalFlagCount;
    for (int n = last - 1; n >= 0; --n) {
        std::string key = std::string(JournalingKey) + "\\" + names.Get(n);
        if (!registry->OpenKey(key, true))
            throw vcl::ERegistryException(
                vcl::Format("Failed to set data for '%s'", EnabledValue));
        registry->WriteInteger(EnabledValue, Form1->JournalOn[n]);
    }
}
