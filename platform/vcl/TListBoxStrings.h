#pragma once
// The item list of a TListBox. Items are kept here; once the list box has a
// window, every change is mirrored into it.
#include "TStrings.h"

#include <string>
#include <vector>

namespace vcl {

class TListBox;

class TListBoxStrings : public TStrings {
public:
    explicit TListBoxStrings(TListBox& owner) : owner_(owner) {}
    void Clear() override;
    int Add(const std::string& text) override;
    int Count() const override { return static_cast<int>(items_.size()); }
    const std::string& Get(int index) const override;

private:
    TListBox& owner_;
    std::vector<std::string> items_;
};

}  // namespace vcl
