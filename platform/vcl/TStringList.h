#pragma once
// Unsorted string list.
#include "TStrings.h"

#include <string>
#include <vector>

namespace vcl {

class TStringList : public TStrings {
public:
    void Clear() override { items_.clear(); }
    int Add(const std::string& text) override;
    int Count() const override { return static_cast<int>(items_.size()); }
    const std::string& Get(int index) const override;

private:
    std::vector<std::string> items_;
};

// Raises the library's list-index error for index.
[[noreturn]] void ThrowListIndexError(int index);

}  // namespace vcl
