#pragma once
// Data resources compiled into the executable (window descriptions and
// pictures), found by file name. Windows builds keep them as RCDATA resources;
// the native build links a generated table of the same files.
#include <string>
#include <string_view>

namespace vcl {

// The bytes of the resource made from file `name`; raises EResNotFound.
std::string_view FindResourceData(const std::string& name);

}  // namespace vcl
