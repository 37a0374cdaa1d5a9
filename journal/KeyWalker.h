#pragma once
// Walks one registry key and hands each direct subkey to a visitor.
#include "platform/vcl/WinApi.h"

#include <cstdint>
#include <string>

// Called with the walked key's path and one subkey name; the result is ignored.
using KeyVisitor = std::int32_t (*)(const std::string& path, const std::string& name);

// Visits the subkeys of root\path from the last enumerated to the first. With
// recurse, every subkey is walked first (again last to first), so each key is
// visited after all keys below it. The path reaches the visitor unchanged.
// Returns false, visiting nothing, for a null visitor or a key that does not
// open with full access. Exceptions from the visitor or the registry pass out
// unchanged.
bool EnumKeysRecursive(HKEY root, const std::string& path, KeyVisitor visitor, bool recurse);
