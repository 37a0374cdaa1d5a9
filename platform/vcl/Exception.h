#pragma once
// Exception hierarchy of the class library. Every failure the layer reports is
// one of these; Message() is the text the error box shows.
#include <exception>
#include <string>

namespace vcl {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A registry read or write failed.
class ERegistryException : public Exception {
public:
    using Exception::Exception;
};

// Memory exhausted (raised by list appends under fault injection, and for
// std::bad_alloc where the layer translates it).
class EOutOfMemory : public Exception {
public:
    EOutOfMemory() : Exception("Out of memory") {}
};

// A window description or resource could not be loaded or bound.
class EDescriptionError : public Exception {
public:
    using Exception::Exception;
};

// A resource is missing from the executable.
class EResNotFound : public Exception {
public:
    using Exception::Exception;
};

// printf-style "%s" substitution used for the library's fixed message formats.
std::string Format(const char* format, const std::string& argument);

}  // namespace vcl
