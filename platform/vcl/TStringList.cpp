#include "TStringList.h"

#include "Exception.h"
#include "FaultInjection.h"

#include <new>

namespace vcl {

void ThrowListIndexError(int index) {
    throw Exception(Format("List index out of bounds (%s)", std::to_string(index)));
}

int TStringList::Add(const std::string& text) {
    FaultInjection::OnAppend();
    try {
        items_.push_back(text);
    } catch (const std::bad_alloc&) {
        throw EOutOfMemory();
    }
    return Count() - 1;
}

const std::string& TStringList::Get(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
    return items_[static_cast<std::size_t>(index)];
}

}  // namespace vcl
