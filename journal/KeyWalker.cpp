#include "journal/KeyWalker.h"

#include "platform/vcl/TRegistry.h"
#include "platform/vcl/TStringList.h"

#include <memory>

bool EnumKeysRecursive(HKEY root, const std::string& path, KeyVisitor visitor, bool recurse) {
    if (!visitor) return false;

    auto registry = std::make_unique<vcl::TRegistry>();
    auto names = std::make_unique<vcl::TStringList>();
    registry->SetRootKey(root);
    if (!registry->KeyExists(path)) return false;

    // Not checked: if the key vanished since the test, the list stays empty.
    registry->OpenKey(path, false);
    names->Clear();
    registry->GetKeyNames(*names);

    if (recurse) {
        for (int i = names->Count() - 1; i >= 0; --i)
            EnumKeysRecursive(root, path + "\\" + names->Get(i), visitor, recurse);
    }
    for (int i = names->Count() - 1; i >= 0; --i) visitor(path, names->Get(i));
    return true;
}
