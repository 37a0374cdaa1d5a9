// Times LoadJournalEntries and ApplyJournalEntries at 1,000 and 10,000 entries
// against a plain loop that makes the same registry calls, on each registry
// backend of this build: advapi32 (Windows builds, run under Wine) and the
// in-memory one. Prints the median of several repetitions per case.
//
// Usage: journal_bench [--reps N]
#include "journal/JournalEntries.h"
#include "platform/vcl/MemoryRegistry.h"
#include "platform/vcl/RegistryApi.h"
#include "platform/vcl/WinApi.h"
#include "ui/main/MainForm.h"

#if TRAMVELT_HAS_WINDOWS
#include "platform/vcl/Win32RegistryApi.h"

#include <fcntl.h>
#include <io.h>
#endif

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using vcl::RegistryApi;

// The journaling key relative to HKEY_CURRENT_USER (JournalingKey without its "\").
const std::string kJournal = "Software\\Microsoft\\Shared Tools\\Outlook\\Journaling";
const char* const kEnabled = "Enabled";
// Rows from this index on carry no flag.
constexpr int kFlagCount = TForm1::JournalFlagCount;
constexpr double kTarget = 1.5;

// ---------------------------------------------------------------------------
// Test data: n subkeys "Programm 00000".. with a mix of "Enabled" values.

std::string EntryName(int i) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "Programm %05d", i);
    return buffer;
}

// Cycle of eight: mostly DWORD 0/1, plus a DWORD 2, a string and a missing value
// (the last two make the load step take its error path).
enum class Kind { On, Off, Two, Text, Missing };
const Kind kMix[] = {Kind::On, Kind::Off, Kind::On, Kind::Off,
                     Kind::On, Kind::Two, Kind::Text, Kind::Missing};
const char* const kMixText = "DWORD 1 x3, DWORD 0 x2, DWORD 2, REG_SZ \"1\", none";

void Check(LONG result, const std::string& what) {
    if (result != ERROR_SUCCESS)
        throw std::runtime_error(what + " failed (" + std::to_string(result) + ")");
}

void DeleteJournal(RegistryApi& api) {
    LONG result = api.DeleteTree(HKEY_CURRENT_USER, kJournal.c_str());
    if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND)
        Check(result, "deleting the journaling key");
}

void Populate(RegistryApi& api, int entries) {
    DeleteJournal(api);
    HKEY journal = nullptr;
    Check(api.CreateKeyEx(HKEY_CURRENT_USER, kJournal.c_str(), 0, nullptr,
                          REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &journal, nullptr),
          "creating the journaling key");
    for (int i = 0; i < entries; ++i) {
        std::string name = EntryName(i);
        HKEY key = nullptr;
        Check(api.CreateKeyEx(journal, name.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              "creating " + name);
        const Kind kind = kMix[static_cast<std::size_t>(i) % (sizeof kMix / sizeof kMix[0])];
        const BYTE text[] = {'1', 0};
        const BYTE dword[4] = {static_cast<BYTE>(kind == Kind::On ? 1 : kind == Kind::Two ? 2 : 0),
                               0, 0, 0};
        LONG result = ERROR_SUCCESS;
        if (kind == Kind::Text)
            result = api.SetValueEx(key, kEnabled, 0, REG_SZ, text, sizeof text);
        else if (kind != Kind::Missing)
            result = api.SetValueEx(key, kEnabled, 0, REG_DWORD, dword, sizeof dword);
        api.CloseKey(key);
        Check(result, "setting " + name);
    }
    api.CloseKey(journal);
}

// Deletes the journaling key when the case ends, however it ends.
class JournalCleanup {
public:
    explicit JournalCleanup(RegistryApi& api) : api_(api) {}
    ~JournalCleanup() { api_.DeleteTree(HKEY_CURRENT_USER, kJournal.c_str()); }
    JournalCleanup(const JournalCleanup&) = delete;
    JournalCleanup& operator=(const JournalCleanup&) = delete;

private:
    RegistryApi& api_;
};

// ---------------------------------------------------------------------------
// The plain loops. They make exactly the registry calls the two steps make, in
// the same order and with the same arguments (KeyWalker.cpp, JournalEntries.cpp,
// TRegistry.cpp):
//   load:  RegOpenKeyExA + RegCloseKey (existence test), RegOpenKeyExA (the
//          journaling key), RegQueryInfoKeyA, RegEnumKeyExA per index; then,
//          last enumerated first, per entry RegCreateKeyExA + RegQueryValueExA +
//          RegCloseKey, but only for the first kFlagCount rows (rows from 1024
//          on are listed and neither read nor written); RegCloseKey of the
//          journaling key at the end.
//   apply: rows kFlagCount-1 (or the last row) down to 0, per row
//          RegCreateKeyExA of the entry, RegCloseKey of the previous entry's
//          key, RegSetValueExA; RegCloseKey of the last key at the end.
// Everything else is the bare minimum: a vector of names and a flag array.

struct PlainList {
    std::vector<std::string> names;
    std::vector<unsigned char> flags;
};

void PlainLoad(PlainList& list) {
    RegistryApi& api = RegistryApi::Current();
    HKEY journal = nullptr;
    if (api.OpenKeyEx(HKEY_CURRENT_USER, kJournal.c_str(), 0, KEY_ALL_ACCESS, &journal) !=
        ERROR_SUCCESS)
        return;
    api.CloseKey(journal);
    journal = nullptr;
    std::vector<std::string> enumerated;
    if (api.OpenKeyEx(HKEY_CURRENT_USER, kJournal.c_str(), 0, KEY_ALL_ACCESS, &journal) ==
        ERROR_SUCCESS) {
        DWORD count = 0, longest = 0;
        if (api.QueryInfoKey(journal, &count, &longest, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS) {
            std::vector<char> buffer(longest + 1);
            for (DWORD index = 0; index < count; ++index) {
                DWORD length = static_cast<DWORD>(buffer.size());
                if (api.EnumKeyEx(journal, index, buffer.data(), &length) != ERROR_SUCCESS) break;
                enumerated.emplace_back(buffer.data(), length);
            }
        }
    }
    std::string path = kJournal + "\\";
    const std::size_t prefix = path.size();
    for (auto it = enumerated.rbegin(); it != enumerated.rend(); ++it) {
        std::size_t row = list.names.size();
        list.names.push_back(*it);
        if (row >= static_cast<std::size_t>(kFlagCount)) continue;  // no flag, no registry call
        unsigned char flag = 0;
        path.resize(prefix);
        path += *it;
        HKEY key = nullptr;
        DWORD disposition = 0;
        if (api.CreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &key, &disposition) == ERROR_SUCCESS) {
            DWORD type = REG_NONE, size = 4;
            BYTE data[4] = {0, 0, 0, 0};
            if (api.QueryValueEx(key, kEnabled, &type, data, &size) == ERROR_SUCCESS &&
                type == REG_DWORD)
                flag = data[0] == 1 && data[1] == 0 && data[2] == 0 && data[3] == 0;
            api.CloseKey(key);
        }
        list.flags.push_back(flag);
    }
    if (journal) api.CloseKey(journal);
}

void PlainApply(const PlainList& list) {
    RegistryApi& api = RegistryApi::Current();
    std::string path = kJournal + "\\";
    const std::size_t prefix = path.size();
    HKEY current = nullptr;
    int last = std::min(static_cast<int>(list.names.size()), kFlagCount);
    for (int row = last - 1; row >= 0; --row) {
        path.resize(prefix);
        path += list.names[static_cast<std::size_t>(row)];
        HKEY key = nullptr;
        DWORD disposition = 0;
        LONG result = api.CreateKeyEx(HKEY_CURRENT_USER, path.c_str(), 0, nullptr,
                                      REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                      &disposition);
        if (result == ERROR_SUCCESS) {
            if (current) api.CloseKey(current);
            current = key;
            const BYTE data[4] = {list.flags[static_cast<std::size_t>(row)], 0, 0, 0};
            result = api.SetValueEx(current, kEnabled, 0, REG_DWORD, data, sizeof data);
        }
        if (result != ERROR_SUCCESS) {
            if (current) api.CloseKey(current);
            throw std::runtime_error("plain apply failed at " + path);
        }
    }
    if (current) api.CloseKey(current);
}

// ---------------------------------------------------------------------------
// Call recording, used once per case outside the timed runs to check that the
// step and its plain loop make the same calls.

class RecordingApi final : public RegistryApi {
public:
    explicit RecordingApi(RegistryApi& target) : target_(target) {}

    std::vector<std::string> calls;

    LONG OpenKeyEx(HKEY key, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result) override {
        Note("RegOpenKeyExA", subKey);
        return target_.OpenKeyEx(key, subKey, options, sam, result);
    }
    LONG CreateKeyEx(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR className, DWORD options,
                     REGSAM sam, LPSECURITY_ATTRIBUTES security, PHKEY result,
                     LPDWORD disposition) override {
        Note("RegCreateKeyExA", subKey);
        return target_.CreateKeyEx(key, subKey, reserved, className, options, sam, security,
                                   result, disposition);
    }
    LONG QueryInfoKey(HKEY key, LPDWORD subKeys, LPDWORD maxSubKeyLen, LPDWORD values,
                      LPDWORD maxValueNameLen, LPDWORD maxValueLen) override {
        Note("RegQueryInfoKeyA", "");
        return target_.QueryInfoKey(key, subKeys, maxSubKeyLen, values, maxValueNameLen,
                                    maxValueLen);
    }
    LONG EnumKeyEx(HKEY key, DWORD index, LPSTR name, LPDWORD nameLen) override {
        Note("RegEnumKeyExA", std::to_string(index).c_str());
        return target_.EnumKeyEx(key, index, name, nameLen);
    }
    LONG QueryValueEx(HKEY key, LPCSTR valueName, LPDWORD type, LPBYTE data,
                      LPDWORD dataLen) override {
        Note("RegQueryValueExA", valueName);
        return target_.QueryValueEx(key, valueName, type, data, dataLen);
    }
    LONG SetValueEx(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE* data,
                    DWORD dataLen) override {
        Note("RegSetValueExA", valueName);
        return target_.SetValueEx(key, valueName, reserved, type, data, dataLen);
    }
    LONG CloseKey(HKEY key) override {
        Note("RegCloseKey", "");
        return target_.CloseKey(key);
    }
    LONG DeleteTree(HKEY key, LPCSTR subKey) override {
        Note("RegDeleteTreeA", subKey);
        return target_.DeleteTree(key, subKey);
    }

private:
    void Note(const char* call, LPCSTR argument) {
        calls.push_back(std::string(call) + " " + (argument ? argument : "(null)"));
    }
    RegistryApi& target_;
};

std::vector<std::string> Record(const std::function<void()>& body) {
    RecordingApi recorder(RegistryApi::Current());
    {
        vcl::ScopedRegistryApi installed(recorder);
        body();
    }
    return std::move(recorder.calls);
}

std::string CountText(const std::vector<std::string>& calls) {
    std::map<std::string, int> counts;
    for (const auto& call : calls) ++counts[call.substr(0, call.find(' '))];
    std::string text;
    for (const auto& entry : counts)
        text += (text.empty() ? "" : ", ") + entry.first + " " + std::to_string(entry.second);
    return text;
}

// ---------------------------------------------------------------------------
// Timing.

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Result {
    std::string registry;
    std::string step;
    int entries = 0;
    std::size_t calls = 0;
    double stepMs = 0;
    double plainMs = 0;
    bool sameCalls = true;
};

// Runs setup (untimed) then body (timed) for step and plain alternately, reps
// times after one warm-up of each; the order flips every repetition.
void Measure(int reps, const std::function<void()>& stepSetup, const std::function<void()>& step,
             const std::function<void()>& plainSetup, const std::function<void()>& plain,
             Result& result) {
    auto once = [](const std::function<void()>& setup, const std::function<void()>& body) {
        setup();
        auto start = Clock::now();
        body();
        return Milliseconds(Clock::now() - start);
    };
    once(stepSetup, step);
    once(plainSetup, plain);
    std::vector<double> stepTimes, plainTimes;
    for (int r = 0; r < reps; ++r) {
        if (r % 2 == 0) {
            stepTimes.push_back(once(stepSetup, step));
            plainTimes.push_back(once(plainSetup, plain));
        } else {
            plainTimes.push_back(once(plainSetup, plain));
            stepTimes.push_back(once(stepSetup, step));
        }
    }
    result.stepMs = Median(stepTimes);
    result.plainMs = Median(plainTimes);
}

// ---------------------------------------------------------------------------
// One registry, one size: load, then apply.

std::unique_ptr<TForm1> form;

void FreshForm() {
    Form1 = nullptr;
    form.reset();
    form = std::make_unique<TForm1>(nullptr);
    Form1 = form.get();
    JournalCount = 0;
}

std::vector<std::string> FormNames() {
    std::vector<std::string> names;
    for (int i = 0; i < Form1->ListBox1->Items->Count(); ++i)
        names.push_back(Form1->ListBox1->Items->Get(i));
    return names;
}

std::vector<unsigned char> FormFlags() {
    int rows = std::min(Form1->ListBox1->Items->Count(), kFlagCount);
    return std::vector<unsigned char>(Form1->JournalOn, Form1->JournalOn + rows);
}

void CompareCalls(const std::vector<std::string>& step, const std::vector<std::string>& plain,
                  Result& result, std::vector<std::string>& notes) {
    result.calls = step.size();
    if (step == plain) return;
    result.sameCalls = false;
    std::size_t i = 0;
    while (i < step.size() && i < plain.size() && step[i] == plain[i]) ++i;
    std::string label = result.registry + " " + result.step + " " + std::to_string(result.entries);
    notes.push_back(label + ": step and plain loop differ at call " + std::to_string(i) +
                    " (step: " + (i < step.size() ? step[i] : "end") +
                    "; plain: " + (i < plain.size() ? plain[i] : "end") + ")");
    notes.push_back(label + ": step  " + CountText(step));
    notes.push_back(label + ": plain " + CountText(plain));
}

void RunCase(const std::string& registry, RegistryApi& api, int entries, int reps,
             std::vector<Result>& results, std::vector<std::string>& notes) {
    vcl::ScopedRegistryApi installed(api);
    JournalCleanup cleanup(api);
    Populate(api, entries);

    // Load. The recorded runs double as a check that both sides see the same list.
    Result load{registry, "load", entries};
    PlainList plain;
    FreshForm();
    auto stepCalls = Record([] { LoadJournalEntries(); });
    auto plainCalls = Record([&] { PlainLoad(plain); });
    CompareCalls(stepCalls, plainCalls, load, notes);
    if (JournalCount != entries || FormNames() != plain.names || FormFlags() != plain.flags)
        throw std::runtime_error(registry + " load " + std::to_string(entries) +
                                 ": step and plain loop read different entries");
    Measure(
        reps, [] { FreshForm(); }, [] { LoadJournalEntries(); },
        [&] { plain = PlainList{}; }, [&] { PlainLoad(plain); }, load);
    results.push_back(load);

    // Apply, on the list just loaded (it is not changed by applying).
    Result apply{registry, "apply", entries};
    stepCalls = Record([] { ApplyJournalEntries(); });
    plainCalls = Record([&] { PlainApply(plain); });
    CompareCalls(stepCalls, plainCalls, apply, notes);
    Measure(
        reps, [] {}, [] { ApplyJournalEntries(); }, [] {}, [&] { PlainApply(plain); }, apply);
    results.push_back(apply);

    Form1 = nullptr;
    form.reset();
}

void PrintTable(const std::vector<Result>& results) {
    std::printf("%-9s %-6s %8s %7s %10s %10s %7s\n", "registry", "step", "entries", "calls",
                "step_ms", "plain_ms", "ratio");
    for (const auto& r : results) {
        double ratio = r.plainMs > 0 ? r.stepMs / r.plainMs : 0;
        std::printf("%-9s %-6s %8d %7zu %10.3f %10.3f %7.2f%s%s\n", r.registry.c_str(),
                    r.step.c_str(), r.entries, r.calls, r.stepMs, r.plainMs, ratio,
                    ratio > kTarget ? "  > 1.5" : "", r.sameCalls ? "" : "  calls differ");
    }
}

}  // namespace

int main(int argc, char** argv) {
#if TRAMVELT_HAS_WINDOWS
    // Plain "\n" line ends on the console under Wine.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    int reps = 9;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc) {
            reps = std::max(1, std::atoi(argv[++i]));
        } else {
            std::fprintf(stderr, "usage: %s [--reps N]\n", argv[0]);
            return 2;
        }
    }
    const int sizes[] = {1000, 10000};

    std::printf("journal_bench: median of %d repetitions after one warm-up; times in ms\n", reps);
    std::printf("entries: subkeys of HKCU\\%s, \"Enabled\" cycling %s\n", kJournal.c_str(),
                kMixText);
    std::printf("calls: registry calls per run (the step and its plain loop make the same)\n\n");
    std::fflush(stdout);

    std::vector<Result> results;
    std::vector<std::string> notes;
    try {
#if TRAMVELT_HAS_WINDOWS
        {
            vcl::Win32RegistryApi advapi32;
            for (int n : sizes) RunCase("advapi32", advapi32, n, reps, results, notes);
        }
#endif
        for (int n : sizes) {
            vcl::MemoryRegistry memory;
            RunCase("memory", memory, n, reps, results, notes);
        }
    } catch (const std::exception& e) {
        PrintTable(results);
        std::fprintf(stderr, "journal_bench: %s\n", e.what());
        return 1;
    }

    PrintTable(results);
    bool within = true;
    for (const auto& r : results) within = within && r.stepMs <= kTarget * r.plainMs;
    std::printf("\n%s\n", within ? "every ratio is within 1.5"
                                 : "ratio above 1.5 (target: at most 1.5) where marked");
    for (const auto& note : notes) std::printf("note: %s\n", note.c_str());
    return notes.empty() ? 0 : 1;
}
