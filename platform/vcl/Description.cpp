#include "Description.h"

#include <cstdio>
#include <map>
#include <utility>

#include "Exception.h"

namespace vcl {
namespace {

constexpr int kMaxDepth = 100;

// Code points of the code page 1252 bytes 0x80..0x9F; 0 = unassigned.
constexpr char32_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The code page 1252 byte for cp, or -1.
int ToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == cp) return 0x80 + i;
    return -1;
}

// Decodes the UTF-8 sequence at s[i] and advances i past it; -1 if invalid
// (bad lead or continuation byte, truncated, overlong, surrogate, too large).
long DecodeUtf8(std::string_view s, size_t& i) {
    const unsigned char lead = static_cast<unsigned char>(s[i]);
    size_t length;
    char32_t cp, minimum;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    if (s.size() - i < length) return -1;
    for (size_t k = 1; k < length; ++k) {
        const unsigned char c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return -1;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return -1;
    i += length;
    return static_cast<long>(cp);
}

std::string CodePointName(long cp) {
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "U+%04lX", static_cast<unsigned long>(cp) & 0x1FFFFFul);
    return buffer;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsIdentStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool IsIdentChar(char c) { return IsIdentStart(c) || IsDigit(c); }

int DigitValue(char c, int base) {
    int d = IsDigit(c) ? c - '0'
            : (c >= 'a' && c <= 'f') ? c - 'a' + 10
            : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                     : 99;
    return d < base ? d : -1;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

std::string Lower(std::string_view s) {
    std::string result(s);
    for (char& c : result) c = LowerAscii(c);
    return result;
}

std::string At(int line, int column) { return std::to_string(line) + ":" + std::to_string(column); }

enum class Tok { End, Name, Integer, String, Symbol };

struct Token {
    Tok kind = Tok::End;
    std::string text;       // Name, String (code page 1252) or Symbol
    std::string_view raw;   // source text, for messages
    long long integer = 0;  // Integer
    int line = 1, column = 1, endColumn = 1;
    bool newLine = true;  // first token on its line
};

class Parser {
public:
    Parser(std::string_view text, const std::string& source) : src_(text), source_(source) {
        if (src_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = lineStart_ = 3;
    }

    DescriptionObject Run() {
        Next();
        if (!IsKeyword("object")) FailExpected("expected 'object' at start of description", false);
        DescriptionObject root = ParseObject(0);
        if (tok_.kind != Tok::End) Fail(tok_.line, tok_.column, "unexpected text after the last 'end'");
        return root;
    }

private:
    // ---- errors

    [[noreturn]] void Fail(int line, int column, const std::string& what) const {
        throw EDescriptionError(DescriptionPosition(source_, line, column) + what);
    }

    // Lexer errors: offset lies on the current line.
    [[noreturn]] void FailAt(size_t offset, const std::string& what) const { Fail(line_, Column(offset), what); }

    // `what` was expected at the current token. When lineBound and the token
    // is on a later line, the error points just after the previous token.
    [[noreturn]] void FailExpected(const std::string& what, bool lineBound = true) const {
        if (tok_.kind == Tok::End || (lineBound && tok_.newLine)) Fail(prevLine_, prevColumn_, what);
        Fail(tok_.line, tok_.column, what + ", found " + Describe(tok_));
    }

    static std::string Describe(const Token& t) {
        switch (t.kind) {
            case Tok::Name: return "'" + t.text + "'";
            case Tok::Integer: return "integer " + std::string(t.raw);
            case Tok::String: return "string";
            case Tok::Symbol: return "'" + t.text + "'";
            case Tok::End: break;
        }
        return "end of file";
    }

    std::string DescribeChar(size_t offset) const {
        const unsigned char c = static_cast<unsigned char>(src_[offset]);
        if (c >= 0x20 && c < 0x7F) return std::string("'") + static_cast<char>(c) + "'";
        if (c < 0x80) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "0x%02X", c);
            return buffer;
        }
        const long cp = DecodeUtf8(src_, offset);
        return cp < 0 ? "(invalid UTF-8)" : CodePointName(cp);
    }

    // ---- lexer

    int Column(size_t offset) const { return static_cast<int>(offset - lineStart_) + 1; }
    char Peek(size_t ahead = 0) const { return pos_ + ahead < src_.size() ? src_[pos_ + ahead] : '\0'; }
    bool AtEnd() const { return pos_ >= src_.size(); }

    void Next() {
        prevLine_ = tok_.line;
        prevColumn_ = tok_.endColumn;
        SkipBlanks();
        Token t;
        const size_t start = pos_;
        t.line = line_;
        t.column = Column(start);
        t.newLine = atLineStart_;
        atLineStart_ = false;
        if (!AtEnd()) {
            const char c = src_[pos_];
            if (IsIdentStart(c)) {
                LexName(t);
            } else if (IsDigit(c) || c == '$' || ((c == '-' || c == '+') && IsDigit(Peek(1)))) {
                LexInteger(t);
            } else if (c == '\'' || c == '#') {  // '#' here is followed by a digit
                LexString(t);
            } else if (std::string_view("=:[],+").find(c) != std::string_view::npos) {
                t.kind = Tok::Symbol;
                t.text = c;
                ++pos_;
            } else {
                FailAt(start, "unexpected character " + DescribeChar(start));
            }
        }
        t.raw = src_.substr(start, pos_ - start);
        t.endColumn = Column(pos_);
        tok_ = std::move(t);
    }

    void SkipBlanks() {
        while (!AtEnd()) {
            const char c = src_[pos_];
            if (c == '\n') {
                lineStart_ = ++pos_;
                ++line_;
                atLineStart_ = true;
            } else if (c == ' ' || c == '\t' || c == '\r') {
                ++pos_;
            } else if (c == '#' && !IsDigit(Peek(1))) {
                while (!AtEnd() && src_[pos_] != '\n') ++pos_;
            } else {
                break;
            }
        }
    }

    void LexName(Token& t) {
        const size_t start = pos_;
        for (;;) {
            while (!AtEnd() && IsIdentChar(src_[pos_])) ++pos_;
            if (Peek() != '.') break;
            if (!IsIdentStart(Peek(1))) FailAt(pos_ + 1, "expected identifier after '.'");
            ++pos_;
        }
        t.kind = Tok::Name;
        t.text = std::string(src_.substr(start, pos_ - start));
    }

    void LexInteger(Token& t) {
        const size_t start = pos_;
        const bool negative = src_[pos_] == '-';
        const int base = src_[pos_] == '$' ? 16 : 10;
        if (!IsDigit(src_[pos_])) ++pos_;
        const unsigned long long limit = negative ? 9223372036854775808ULL : 9223372036854775807ULL;
        unsigned long long value = 0;
        bool overflow = false;
        const size_t digitsStart = pos_;
        for (int d; !AtEnd() && (d = DigitValue(src_[pos_], base)) >= 0; ++pos_) {
            const auto digit = static_cast<unsigned long long>(d);
            if (value > (limit - digit) / base) overflow = true;
            else value = value * base + digit;
        }
        if (!AtEnd() && (IsIdentChar(src_[pos_]) || src_[pos_] == '.')) {
            while (!AtEnd() && (IsIdentChar(src_[pos_]) || src_[pos_] == '.')) ++pos_;
            FailAt(start, "invalid number '" + std::string(src_.substr(start, pos_ - start)) + "'");
        }
        if (pos_ == digitsStart) FailAt(start, "expected hexadecimal digits after '$'");
        if (overflow) FailAt(start, "integer out of range");
        t.kind = Tok::Integer;
        t.integer = !negative ? static_cast<long long>(value)
                    : value == 0 ? 0
                                 : -static_cast<long long>(value - 1) - 1;
    }

    // Quoted pieces and #NNN codes written next to each other form one token.
    void LexString(Token& t) {
        t.kind = Tok::String;
        for (;;) {
            if (Peek() == '\'') LexQuoted(t.text);
            else if (Peek() == '#' && IsDigit(Peek(1))) LexCharCode(t.text);
            else break;
        }
    }

    void LexQuoted(std::string& out) {
        const size_t open = pos_++;
        for (;;) {
            if (AtEnd() || src_[pos_] == '\n' || src_[pos_] == '\r') FailAt(open, "unterminated string");
            const unsigned char c = static_cast<unsigned char>(src_[pos_]);
            if (c == '\'') {
                if (Peek(1) != '\'') {
                    ++pos_;
                    return;
                }
                out += '\'';
                pos_ += 2;
            } else if (c < 0x20 && c != '\t') {
                FailAt(pos_, "control character in string (write it as #" + std::to_string(c) + ")");
            } else if (c < 0x80) {
                out += static_cast<char>(c);
                ++pos_;
            } else {
                const size_t at = pos_;
                const long cp = DecodeUtf8(src_, pos_);
                if (cp < 0) FailAt(at, "invalid UTF-8 in string");
                const int byte = ToCp1252(static_cast<char32_t>(cp));
                if (byte < 0) FailAt(at, "character " + CodePointName(cp) + " cannot be represented in code page 1252");
                out += static_cast<char>(byte);
            }
        }
    }

    void LexCharCode(std::string& out) {
        const size_t start = pos_++;
        int code = 0;
        for (; !AtEnd() && IsDigit(src_[pos_]); ++pos_)
            if (code <= 255) code = code * 10 + (src_[pos_] - '0');
        if (code > 255)
            FailAt(start, "character code " + std::string(src_.substr(start, pos_ - start)) + " out of range (0..255)");
        out += static_cast<char>(code);
    }

    // ---- parser

    bool IsSymbol(char c) const { return tok_.kind == Tok::Symbol && tok_.text[0] == c; }
    bool IsKeyword(std::string_view word) const { return tok_.kind == Tok::Name && EqualsNoCase(tok_.text, word); }
    bool OnSameLine() const { return tok_.kind != Tok::End && !tok_.newLine; }
    bool IsPlainName() const { return tok_.kind == Tok::Name && tok_.text.find('.') == std::string::npos; }

    void ExpectLineEnd(const std::string& after) const {
        if (OnSameLine()) Fail(tok_.line, tok_.column, "unexpected " + Describe(tok_) + " after " + after);
    }

    std::string ExpectIdentifier(const std::string& what) {
        if (!OnSameLine() || !IsPlainName()) FailExpected(what);
        std::string name = tok_.text;
        Next();
        return name;
    }

    // The current token is 'object'.
    DescriptionObject ParseObject(int depth) {
        DescriptionObject obj;
        obj.line = tok_.line;
        obj.column = tok_.column;
        if (depth > kMaxDepth) Fail(obj.line, obj.column, "objects nested too deeply");
        Next();
        const int nameLine = tok_.line, nameColumn = tok_.column;
        obj.name = ExpectIdentifier("expected object name after 'object'");
        const auto [first, isNew] = objects_.emplace(Lower(obj.name), At(nameLine, nameColumn));
        if (!isNew) Fail(nameLine, nameColumn, "duplicate object name '" + obj.name + "' (first at " + first->second + ")");
        if (!OnSameLine() || !IsSymbol(':')) FailExpected("expected ':' after object name '" + obj.name + "'");
        Next();
        obj.className = ExpectIdentifier("expected class name after '" + obj.name + ":'");
        ExpectLineEnd("class name '" + obj.className + "'");
        for (;;) {
            if (tok_.kind == Tok::End)
                Fail(tok_.line, tok_.column,
                     "'end' expected before end of file (object '" + obj.name + "' opened at " + At(obj.line, obj.column) + ")");
            if (IsKeyword("end")) {
                Next();
                if (depth > 0) ExpectLineEnd("'end'");
                return obj;
            }
            if (IsKeyword("object")) obj.children.push_back(ParseObject(depth + 1));
            else if (tok_.kind == Tok::Name) ParseProperty(obj);
            else FailExpected("expected property name, 'object' or 'end'", false);
        }
    }

    void ParseProperty(DescriptionObject& obj) {
        DescriptionProperty prop;
        prop.name = tok_.text;
        prop.line = tok_.line;
        prop.column = tok_.column;
        for (const DescriptionProperty& other : obj.properties)
            if (EqualsNoCase(other.name, prop.name))
                Fail(prop.line, prop.column, "duplicate property '" + prop.name + "' in object '" + obj.name +
                                                 "' (first at " + At(other.line, other.column) + ")");
        Next();
        if (!OnSameLine() || !IsSymbol('=')) FailExpected("expected '=' after property name '" + prop.name + "'");
        Next();
        prop.value = ParseValue(prop.name);
        ExpectLineEnd("the value of property '" + prop.name + "'");
        obj.properties.push_back(std::move(prop));
    }

    DescriptionValue ParseValue(const std::string& property) {
        DescriptionValue value;
        value.line = tok_.line;
        value.column = tok_.column;
        const std::string expected = "expected value for property '" + property + "'";
        if (!OnSameLine()) FailExpected(expected);
        if (tok_.kind == Tok::Integer) {
            value.kind = DescriptionValue::Kind::Integer;
            value.integer = tok_.integer;
            Next();
        } else if (IsPlainName()) {
            value.kind = DescriptionValue::Kind::Identifier;
            value.text = tok_.text;
            Next();
        } else if (tok_.kind == Tok::String) {
            value.kind = DescriptionValue::Kind::String;
            value.text = tok_.text;
            Next();
            while (IsSymbol('+')) {
                Next();
                if (tok_.kind != Tok::String) FailExpected("expected string after '+'", false);
                value.text += tok_.text;
                Next();
            }
        } else if (IsSymbol('[')) {
            value.kind = DescriptionValue::Kind::Set;
            ParseSetItems(value.items);
        } else {
            FailExpected(expected);
        }
        return value;
    }

    // The current token is '['; sets may span lines.
    void ParseSetItems(std::vector<std::string>& items) {
        Next();
        if (!IsSymbol(']')) {
            for (;;) {
                if (!IsPlainName()) FailExpected("expected identifier in set", false);
                for (const std::string& item : items)
                    if (EqualsNoCase(item, tok_.text)) Fail(tok_.line, tok_.column, "duplicate set element '" + tok_.text + "'");
                items.push_back(tok_.text);
                Next();
                if (IsSymbol(']')) break;
                if (!IsSymbol(',')) FailExpected("expected ',' or ']' in set", false);
                Next();
            }
        }
        Next();
    }

    std::string_view src_;
    const std::string& source_;
    size_t pos_ = 0, lineStart_ = 0;
    int line_ = 1;
    bool atLineStart_ = true;
    Token tok_;
    int prevLine_ = 1, prevColumn_ = 1;
    std::map<std::string, std::string> objects_;  // lower-case name -> "line:column"
};

}  // namespace

DescriptionObject ParseDescription(std::string_view text, const std::string& sourceName) {
    return Parser(text, sourceName).Run();
}

const DescriptionProperty* FindProperty(const DescriptionObject& obj, std::string_view name) {
    for (const DescriptionProperty& prop : obj.properties)
        if (EqualsNoCase(prop.name, name)) return &prop;
    return nullptr;
}

const DescriptionObject* FindObject(const DescriptionObject& obj, std::string_view name) {
    if (EqualsNoCase(obj.name, name)) return &obj;
    for (const DescriptionObject& child : obj.children)
        if (const DescriptionObject* found = FindObject(child, name)) return found;
    return nullptr;
}

std::string DescriptionPosition(const std::string& sourceName, int line, int column) {
    return sourceName + "(" + At(line, column) + "): ";
}

const char* KindName(DescriptionValue::Kind kind) {
    switch (kind) {
        case DescriptionValue::Kind::Integer: return "Integer";
        case DescriptionValue::Kind::String: return "String";
        case DescriptionValue::Kind::Identifier: return "Identifier";
        case DescriptionValue::Kind::Set: return "Set";
    }
    return "?";
}

}  // namespace vcl
