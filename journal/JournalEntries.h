#pragma once
// The journaling entries of the current user: one subkey of JournalingKey per
// Office program, each with a DWORD "Enabled". Names live in the main window's
// list box, flags in its JournalOn table.
#include <cstdint>
#include <string>

extern const char* const JournalingKey;

// Number of visits so far; the index the next visit stores its flag at.
extern std::int32_t JournalCount;

// Appends every subkey of JournalingKey to Form1's list, last enumerated first,
// with its flag.
void LoadJournalEntries();

// The walker's visitor: appends name and stores its flag (on exactly when
// "Enabled" is a DWORD 1; any failure reading it means off). Returns 1.
std::int32_t AddJournalEntry(const std::string& path, const std::string& name);

// Writes every entry's flag as "Enabled" (a DWORD 0 or 1), last entry first,
// creating entry keys that went missing. Raises ERegistryException at the first
// entry that cannot be written. Entries without a flag (index 1024 on) are left
// untouched.
void ApplyJournalEntries();
