#include "TListBoxStrings.h"

#include "Exception.h"
#include "FaultInjection.h"
#include "TListBox.h"
#include "TStringList.h"

#include <new>

namespace vcl {

void TListBoxStrings::Clear() {
    items_.clear();
#if TRAMVELT_HAS_WINDOWS
    if (owner_.HandleAllocated()) ::SendMessageA(owner_.Handle(), LB_RESETCONTENT, 0, 0);
#endif
}

int TListBoxStrings::Add(const std::string& text) {
    FaultInjection::OnAppend();
    try {
        items_.push_back(text);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
#if TRAMVELT_HAS_WINDOWS
    if (owner_.HandleAllocated()) {
        LRESULT result = ::SendMessageA(owner_.Handle(), LB_ADDSTRING, 0,
                                        reinterpret_cast<LPARAM>(text.c_str()));
        if (result == LB_ERR || result == LB_ERRSPACE) {
            items_.pop_back();
            throw EOutOfMemory();
        }
    }
#endif
    return Count() - 1;
}

const std::string& TListBoxStrings::Get(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return items_[static_cast<std::size_t>(index)];
}

}  // namespace vcl
