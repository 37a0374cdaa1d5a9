#include "TListBoxStrings.h"

#include "Exception.h"
#include "FaultInjection.h"
#include "TListBox.h"
#include "TStringList.h"

#include <new>

namespace vcl {

void TListBoxStrings::Clear() { items_.clear(); }

int TListBoxStrings::Add(const std::string& text) {
    FaultInjection::OnAppend();
    try {
        items_.push_back(text);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    return Count() - 1;
}

const std::string& TListBoxStrings::Get(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return items_[static_cast<std::size_t>(index)];
}

}  // namespace vcl
