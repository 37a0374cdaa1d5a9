#pragma once
// An ordered list of 8-bit strings: the interface shared by TStringList and the
// item lists of controls.
#include <string>

namespace vcl {

class TStrings {
public:
    virtual ~TStrings() = default;
    virtual void Clear() = 0;
    // Appends at the end and returns the new item's index.
    virtual int Add(const std::string& text) = 0;
    virtual int Count() const = 0;
    // Raises EListError for an index outside 0..Count()-1.
    virtual const std::string& Get(int index) const = 0;
    const std::string& operator[](int index) const { return Get(index); }
};

}  // namespace vcl
