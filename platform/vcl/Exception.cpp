#include "Exception.h"

#include <cstring>

namespace vcl {

std::string Format(const char* format, const std::string& argument) {
    std::string result;
    const char* marker = std::strstr(format, "%s");
    if (!marker) return format;
    result.append(format, marker);
    result += argument;
    result += marker + 2;
    return result;
}

}  // namespace vcl
