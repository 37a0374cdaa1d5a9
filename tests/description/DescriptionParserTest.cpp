// Tests of the window description reader.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/vcl/Description.h"
#include "platform/vcl/Exception.h"

using vcl::DescriptionObject;
using vcl::DescriptionValue;
using vcl::ParseDescription;

namespace {

using Kind = DescriptionValue::Kind;

// Quoted, with '' for a quote and \xNN for bytes outside printable ASCII.
std::string Quote(const std::string& bytes) {
    std::string out = "'";
    for (char c : bytes) {
        const unsigned char b = static_cast<unsigned char>(c);
        if (c == '\'') {
            out += "''";
        } else if (b < 0x20 || b >= 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", b);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + "'";
}

std::string DumpValue(const DescriptionValue& v) {
    switch (v.kind) {
        case Kind::Integer: return std::to_string(v.integer);
        case Kind::String: return Quote(v.text);
        case Kind::Identifier: return v.text;
        case Kind::Set: {
            std::string out = "[";
            for (size_t i = 0; i < v.items.size(); ++i) out += (i ? ", " : "") + v.items[i];
            return out + "]";
        }
    }
    return "?";
}

std::string At(int line, int column) { return " @" + std::to_string(line) + ":" + std::to_string(column); }

// The whole tree as text, with the positions of objects and property names.
void Dump(const DescriptionObject& o, const std::string& indent, std::string& out) {
    out += indent + "object " + o.name + ": " + o.className + At(o.line, o.column) + "\n";
    for (const auto& p : o.properties)
        out += indent + "  " + p.name + " = " + DumpValue(p.value) + At(p.line, p.column) + "\n";
    for (const auto& child : o.children) Dump(child, indent + "  ", out);
    out += indent + "end\n";
}

std::string Dump(const DescriptionObject& o) {
    std::string out;
    Dump(o, "", out);
    return out;
}

// Parses "object A: TA / V = <valueSource> / end" and returns V.
DescriptionValue ParseValue(const std::string& valueSource) {
    const DescriptionObject root = ParseDescription("object A: TA\n  V = " + valueSource + "\nend\n", "v.desc");
    EXPECT_EQ(root.properties.size(), 1u);
    return root.properties.at(0).value;
}

std::string ErrorOf(const std::string& text) {
    try {
        ParseDescription(text, "t.desc");
    } catch (const vcl::EDescriptionError& e) {
        return e.Message();
    }
    return "(no error)";
}

std::string Utf8(char32_t cp) {
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (cp >> 18));
        s += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

const char* const kGoodDescription = R"desc(# Main window
object Form1: TForm1
  Caption = 'Tramvelt'
  ClientWidth = 338
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -10
  Color2 = $0000FFFF
  BorderIcons = [biSystemMenu, biMinimize]
  Hint = 'first line'#10'second line'
  LongText = 'part one, ' +
             'part two'
  OnShow = FormShow  # handler
  Visible = false
  Tags = []
  object ListBox1: TListBox
    Left = 0
    Picture = 'CheckWhite.bmp'
  end
  object Panel1: TPanel
    Align = alBottom
    object ButtonApply: TButton
      Caption = 'Ü&bernehmen'
      Quoted = 'it''s'
    end
    object ButtonClose: TButton
      Caption = '&Schließen'
      Cancel = true
    end
  end
end
)desc";

TEST(DescriptionParse, GoodDescriptionGivesFullTree) {
    const DescriptionObject root = ParseDescription(kGoodDescription, "MainForm.desc");
    EXPECT_EQ(Dump(root),
              "object Form1: TForm1 @2:1\n"
              "  Caption = 'Tramvelt' @3:3\n"
              "  ClientWidth = 338 @4:3\n"
              "  Color = clBtnFace @5:3\n"
              "  Font.Name = 'MS Sans Serif' @6:3\n"
              "  Font.Height = -10 @7:3\n"
              "  Color2 = 65535 @8:3\n"
              "  BorderIcons = [biSystemMenu, biMinimize] @9:3\n"
              "  Hint = 'first line\\x0Asecond line' @10:3\n"
              "  LongText = 'part one, part two' @11:3\n"
              "  OnShow = FormShow @13:3\n"
              "  Visible = false @14:3\n"
              "  Tags = [] @15:3\n"
              "  object ListBox1: TListBox @16:3\n"
              "    Left = 0 @17:5\n"
              "    Picture = 'CheckWhite.bmp' @18:5\n"
              "  end\n"
              "  object Panel1: TPanel @20:3\n"
              "    Align = alBottom @21:5\n"
              "    object ButtonApply: TButton @22:5\n"
              "      Caption = '\\xDC&bernehmen' @23:7\n"
              "      Quoted = 'it''s' @24:7\n"
              "    end\n"
              "    object ButtonClose: TButton @26:5\n"
              "      Caption = '&Schlie\\xDFen' @27:7\n"
              "      Cancel = true @28:7\n"
              "    end\n"
              "  end\n"
              "end\n");
}

TEST(DescriptionParse, GoodDescriptionKindsPositionsAndCodePage) {
    const DescriptionObject root = ParseDescription(kGoodDescription, "MainForm.desc");

    const struct {
        const char* property;
        Kind kind;
        int line, column;  // of the value
    } cases[] = {
        {"Caption", Kind::String, 3, 13},    {"ClientWidth", Kind::Integer, 4, 17},
        {"Color", Kind::Identifier, 5, 11},  {"Color2", Kind::Integer, 8, 12},
        {"BorderIcons", Kind::Set, 9, 17},   {"LongText", Kind::String, 11, 14},
        {"Visible", Kind::Identifier, 14, 13}, {"Tags", Kind::Set, 15, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.property);
        const vcl::DescriptionProperty* p = vcl::FindProperty(root, c.property);
        ASSERT_NE(p, nullptr);
        EXPECT_EQ(vcl::KindName(p->value.kind), vcl::KindName(c.kind));
        EXPECT_EQ(p->value.line, c.line);
        EXPECT_EQ(p->value.column, c.column);
    }

    const DescriptionObject* apply = vcl::FindObject(root, "ButtonApply");
    const DescriptionObject* close = vcl::FindObject(root, "ButtonClose");
    ASSERT_NE(apply, nullptr);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(vcl::FindProperty(*apply, "Caption")->value.text, "\xDC&bernehmen");
    EXPECT_EQ(vcl::FindProperty(*close, "Caption")->value.text, "&Schlie\xDF" "en");
    EXPECT_EQ(close->line, 26);
    EXPECT_EQ(close->column, 5);
}

TEST(DescriptionParse, LayoutVariants) {
    const struct {
        const char* name;
        std::string text;
        const char* dump;
    } cases[] = {
        {"keywords in any case", "OBJECT F: TF\n  Object A: TA\n  END\nEnd",
         "object F: TF @1:1\n  object A: TA @2:3\n  end\nend\n"},
        {"BOM and CRLF", "\xEF\xBB\xBFobject F: TF\r\n  Left = 1\r\n  S = 'x'\r\nend\r\n",
         "object F: TF @1:1\n  Left = 1 @2:3\n  S = 'x' @3:3\nend\n"},
        {"comments everywhere", "# head\n\n  # indented\nobject F: TF # after header\n  S = 'a#1' # after string\n"
                                "  I = 5 #\n  # between\n  Set = [a] #c\nend # after end\n# tail",
         "object F: TF @4:1\n  S = 'a#1' @5:3\n  I = 5 @6:3\n  Set = [a] @8:3\nend\n"},
        {"no newline at end, tabs", "object F: TF\n\tLeft\t=\t1\nend",
         "object F: TF @1:1\n  Left = 1 @2:2\nend\n"},
        {"dotted names, any depth", "object F: TF\n  Font.Style.Bold = true\n  a_1.B2._c = x_1\nend",
         "object F: TF @1:1\n  Font.Style.Bold = true @2:3\n  a_1.B2._c = x_1 @3:3\nend\n"},
        {"set across lines", "object F: TF\n  S = [\n    a,\n    b\n  ]\n  T = [ c ,d ]\nend",
         "object F: TF @1:1\n  S = [a, b] @2:3\n  T = [c, d] @6:3\nend\n"},
        {"'+' at the start of the next line", "object F: TF\n  S = 'a'\n    + 'b' + #67\n    +\n    'd'\nend",
         "object F: TF @1:1\n  S = 'abCd' @2:3\nend\n"},
        {"same names in different objects' properties", "object F: TF\n  Left = 1\n  object A: TA\n    Left = 2\n  end\nend",
         "object F: TF @1:1\n  Left = 1 @2:3\n  object A: TA @3:3\n    Left = 2 @4:5\n  end\nend\n"},
        {"words that look like keywords", "object F: TF\n  Object.Tag = end\n  Ending = object\nend",
         "object F: TF @1:1\n  Object.Tag = end @2:3\n  Ending = object @3:3\nend\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Dump(ParseDescription(c.text, "t.desc")), c.dump);
    }
}

TEST(DescriptionParse, Integers) {
    const struct {
        const char* source;
        long long value;
    } cases[] = {
        {"0", 0},
        {"338", 338},
        {"-10", -10},
        {"+5", 5},
        {"007", 7},
        {"$0000FFFF", 0xFFFF},
        {"$ff", 255},
        {"$7FFFFFFFFFFFFFFF", 0x7FFFFFFFFFFFFFFFLL},
        {"$00000000000000000001", 1},
        {"9223372036854775807", 9223372036854775807LL},
        {"-9223372036854775808", -9223372036854775807LL - 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        const DescriptionValue v = ParseValue(c.source);
        EXPECT_EQ(v.kind, Kind::Integer);
        EXPECT_EQ(v.integer, c.value);
    }
}

TEST(DescriptionParse, Strings) {
    const struct {
        const char* source;
        std::string bytes;
    } cases[] = {
        {"''", ""},
        {"''''", "'"},
        {"'it''s'", "it's"},
        {"'a'#10'b'", "a\nb"},
        {"#13#10", "\r\n"},
        {"#65'b'#067", "AbC"},
        {"#0", std::string(1, '\0')},
        {"#255#128", "\xFF\x80"},
        {"'a' + 'b' +'c'", "abc"},
        {"'a' +\n      'b'", "ab"},
        {"'tab\there'", "tab\there"},
        {"'# not a comment'", "# not a comment"},
        {"'ÄÖÜäöüß'", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF"},
        {"'€ „quoted“ – ™'", "\x80 \x84quoted\x93 \x96 \x99"},
        {"'Größe'#10'Ü'", "Gr\xF6\xDF" "e\n\xDC"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        const DescriptionValue v = ParseValue(c.source);
        EXPECT_EQ(v.kind, Kind::String);
        EXPECT_EQ(v.text, c.bytes);
    }
}

TEST(DescriptionParse, IdentifiersAndSets) {
    DescriptionValue v = ParseValue("alClient");
    EXPECT_EQ(v.kind, Kind::Identifier);
    EXPECT_EQ(v.text, "alClient");

    v = ParseValue("[biSystemMenu,biMinimize , biMaximize]");
    EXPECT_EQ(v.kind, Kind::Set);
    EXPECT_EQ(v.items, (std::vector<std::string>{"biSystemMenu", "biMinimize", "biMaximize"}));

    v = ParseValue("[ ]");
    EXPECT_EQ(v.kind, Kind::Set);
    EXPECT_TRUE(v.items.empty());
}

// Every byte 0x80..0xFF of code page 1252 from its UTF-8 form, and the
// unassigned positions 0x81, 0x8D, 0x8F, 0x90, 0x9D refused.
TEST(DescriptionParse, WholeCodePage1252) {
    const char32_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int b = 0x80; b <= 0xFF; ++b) {
        const char32_t cp = b >= 0xA0 ? static_cast<char32_t>(b) : high[b - 0x80];
        if (cp == 0) continue;
        SCOPED_TRACE(b);
        EXPECT_EQ(ParseValue("'" + Utf8(cp) + "'").text, std::string(1, static_cast<char>(b)));
    }
    for (char32_t cp = 0x80; cp <= 0x9F; ++cp) {
        SCOPED_TRACE(static_cast<int>(cp));
        EXPECT_NE(ErrorOf("object A: TA\n  S = '" + Utf8(cp) + "'\nend").find("cannot be represented in code page 1252"),
                  std::string::npos);
    }
    const char32_t unmapped[] = {0x100, 0x2000, 0x20AD, 0x4E2D, 0xFFFD, 0x1F600};
    for (char32_t cp : unmapped) {
        SCOPED_TRACE(static_cast<int>(cp));
        EXPECT_NE(ErrorOf("object A: TA\n  S = '" + Utf8(cp) + "'\nend").find("cannot be represented in code page 1252"),
                  std::string::npos);
    }
}

TEST(DescriptionParse, ErrorsSayWhatAndWhere) {
    const struct {
        std::string text;
        const char* message;  // whole message
    } cases[] = {
        // structure
        {"", "t.desc(1:1): expected 'object' at start of description"},
        {"# only a comment\n", "t.desc(1:1): expected 'object' at start of description"},
        {"Caption = 'x'", "t.desc(1:1): expected 'object' at start of description, found 'Caption'"},
        {"object : TF\nend", "t.desc(1:8): expected object name after 'object', found ':'"},
        {"object\nF: TF\nend", "t.desc(1:7): expected object name after 'object'"},
        {"object Form1 TForm1\nend", "t.desc(1:14): expected ':' after object name 'Form1', found 'TForm1'"},
        {"object Form1:\nend", "t.desc(1:14): expected class name after 'Form1:'"},
        {"object F: T.F\nend", "t.desc(1:11): expected class name after 'F:', found 'T.F'"},
        {"object F: TF Left = 1\nend", "t.desc(1:14): unexpected 'Left' after class name 'TF'"},
        {"object F: TF\n  = 1\nend", "t.desc(2:3): expected property name, 'object' or 'end', found '='"},
        {"object F: TF\n  'x'\nend", "t.desc(2:3): expected property name, 'object' or 'end', found string"},
        {"object Form1: TForm1\n  Left = 1\n", "t.desc(3:1): 'end' expected before end of file (object 'Form1' opened at 1:1)"},
        {"object F: TF\n  object A: TA\nend",
         "t.desc(3:4): 'end' expected before end of file (object 'F' opened at 1:1)"},
        {"object F: TF\n  object A: TA\n    object B: TB\n    Left = 1\n  end\n",
         "t.desc(6:1): 'end' expected before end of file (object 'A' opened at 2:3)"},
        {"object F: TF\nend\nobject G: TG\nend", "t.desc(3:1): unexpected text after the last 'end'"},
        {"object F: TF\nend end", "t.desc(2:5): unexpected text after the last 'end'"},
        {"object F: TF\n  object A: TA\n  end x\nend", "t.desc(3:7): unexpected 'x' after 'end'"},
        // properties
        {"object F: TF\n  Caption 'x'\nend", "t.desc(2:11): expected '=' after property name 'Caption', found string"},
        {"object F: TF\n  Caption\n  Left = 1\nend", "t.desc(2:10): expected '=' after property name 'Caption'"},
        {"object F: TF\n  Caption =\nend", "t.desc(2:12): expected value for property 'Caption'"},
        {"object F: TF\n  Caption = ]\nend", "t.desc(2:13): expected value for property 'Caption', found ']'"},
        {"object F: TF\n  Align = al.Client\nend", "t.desc(2:11): expected value for property 'Align', found 'al.Client'"},
        {"object F: TF\n  Font. Name = 'x'\nend", "t.desc(2:8): expected identifier after '.'"},
        {"object F: TF\n  Font..Name = 'x'\nend", "t.desc(2:8): expected identifier after '.'"},
        {"object F: TF\n  Left = 1 2\nend", "t.desc(2:12): unexpected integer 2 after the value of property 'Left'"},
        {"object F: TF\n  Left = 1 Top = 2\nend", "t.desc(2:12): unexpected 'Top' after the value of property 'Left'"},
        {"object F: TF\n  Left = 1 + 2\nend", "t.desc(2:12): unexpected '+' after the value of property 'Left'"},
        {"object F: TF\n  Left = 0 #1 comment\nend", "t.desc(2:12): unexpected string after the value of property 'Left'"},
        {"object F: TF\n  Left = 1\n  Left = 2\nend",
         "t.desc(3:3): duplicate property 'Left' in object 'F' (first at 2:3)"},
        {"object F: TF\n  object Image1: TImage\n    Left = 1\n    Top = 1\n    LEFT = 2\n  end\nend",
         "t.desc(5:5): duplicate property 'LEFT' in object 'Image1' (first at 3:5)"},
        {"object F: TF\n  object A: TA\n  end\n  object B: TB\n    object A: TC\n    end\n  end\nend",
         "t.desc(5:12): duplicate object name 'A' (first at 2:10)"},
        {"object Form1: TForm1\n  object form1: TEdit\n  end\nend",
         "t.desc(2:10): duplicate object name 'form1' (first at 1:8)"},
        // strings
        {"object F: TF\n  Caption = 'abc\nend", "t.desc(2:13): unterminated string"},
        {"object F: TF\n  Caption = 'abc", "t.desc(2:13): unterminated string"},
        {"object F: TF\n  Caption = 'a'#10'b\r\nend", "t.desc(2:19): unterminated string"},
        {"object F: TF\n  Caption = 'a' 'b'\nend", "t.desc(2:17): unexpected string after the value of property 'Caption'"},
        {"object F: TF\n  Caption = 'a' +\nend", "t.desc(3:1): expected string after '+', found 'end'"},
        {"object F: TF\n  Caption = 'a' + 1\nend", "t.desc(2:19): expected string after '+', found integer 1"},
        {"object F: TF\n  Caption = 'a' +", "t.desc(2:18): expected string after '+'"},
        {"object F: TF\n  Caption = '中'\nend", "t.desc(2:14): character U+4E2D cannot be represented in code page 1252"},
        {"object F: TF\n  Caption = 'ok 😀'\nend", "t.desc(2:17): character U+1F600 cannot be represented in code page 1252"},
        {"object F: TF\n  Caption = 'a\xC3('\nend", "t.desc(2:15): invalid UTF-8 in string"},
        {"object F: TF\n  Caption = '\xFC'\nend", "t.desc(2:14): invalid UTF-8 in string"},
        {"object F: TF\n  Caption = '\xC0\xAF'\nend", "t.desc(2:14): invalid UTF-8 in string"},
        {"object F: TF\n  Caption = '\xED\xA0\x80'\nend", "t.desc(2:14): invalid UTF-8 in string"},
        {"object F: TF\n  Caption = '\xF4\x90\x80\x80'\nend", "t.desc(2:14): invalid UTF-8 in string"},
        {"object F: TF\n  Caption = '\xE2\x82'\nend", "t.desc(2:14): invalid UTF-8 in string"},
        {"object F: TF\n  Caption = 'a\x01'\nend", "t.desc(2:15): control character in string (write it as #1)"},
        {"object F: TF\n  Caption = 'a'#256\nend", "t.desc(2:16): character code #256 out of range (0..255)"},
        {"object F: TF\n  Caption = #99999999999999999999\nend",
         "t.desc(2:13): character code #99999999999999999999 out of range (0..255)"},
        // integers
        {"object F: TF\n  Left = 9223372036854775808\nend", "t.desc(2:10): integer out of range"},
        {"object F: TF\n  Left = -9223372036854775809\nend", "t.desc(2:10): integer out of range"},
        {"object F: TF\n  Left = 99999999999999999999999\nend", "t.desc(2:10): integer out of range"},
        {"object F: TF\n  Left = $8000000000000000\nend", "t.desc(2:10): integer out of range"},
        {"object F: TF\n  Left = $10000000000000000\nend", "t.desc(2:10): integer out of range"},
        {"object F: TF\n  Left = $\nend", "t.desc(2:10): expected hexadecimal digits after '$'"},
        {"object F: TF\n  Left = 12px\nend", "t.desc(2:10): invalid number '12px'"},
        {"object F: TF\n  Left = 1.5\nend", "t.desc(2:10): invalid number '1.5'"},
        {"object F: TF\n  Left = $FFG\nend", "t.desc(2:10): invalid number '$FFG'"},
        {"object F: TF\n  Left = - 1\nend", "t.desc(2:10): unexpected character '-'"},
        // sets
        {"object F: TF\n  S = [a,]\nend", "t.desc(2:10): expected identifier in set, found ']'"},
        {"object F: TF\n  S = [a b]\nend", "t.desc(2:10): expected ',' or ']' in set, found 'b'"},
        {"object F: TF\n  S = [1]\nend", "t.desc(2:8): expected identifier in set, found integer 1"},
        {"object F: TF\n  S = ['a']\nend", "t.desc(2:8): expected identifier in set, found string"},
        {"object F: TF\n  S = [a, A]\nend", "t.desc(2:11): duplicate set element 'A'"},
        {"object F: TF\n  S = [a\n  Left = 1\nend", "t.desc(3:3): expected ',' or ']' in set, found 'Left'"},
        {"object F: TF\n  S = [a,", "t.desc(2:10): expected identifier in set"},
        // characters outside strings
        {"object F: TF\n  Left = @\nend", "t.desc(2:10): unexpected character '@'"},
        {"object F: TF\n  Caption = ü\nend", "t.desc(2:13): unexpected character U+00FC"},
        {"object F: TF\n  Caption = \xFF\nend", "t.desc(2:13): unexpected character (invalid UTF-8)"},
        {std::string("object F: TF\n  Left = ") + '\0' + "\nend", "t.desc(2:10): unexpected character 0x00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ErrorOf(c.text), c.message);
    }
}

TEST(DescriptionParse, ErrorIsDescriptionErrorWithSourceName) {
    try {
        ParseDescription("object F: TF\n  Caption 'x'\nend", "MainForm.desc");
        FAIL() << "no exception";
    } catch (const vcl::Exception& e) {
        EXPECT_NE(dynamic_cast<const vcl::EDescriptionError*>(&e), nullptr);
        EXPECT_EQ(std::string(e.what()), "MainForm.desc(2:11): expected '=' after property name 'Caption', found string");
    }
}

TEST(DescriptionParse, NestingDepth) {
    auto nested = [](int depth) {
        std::string text;
        for (int i = 0; i < depth; ++i) text += "object O" + std::to_string(i) + ": T\n";
        for (int i = 0; i < depth; ++i) text += "end\n";
        return text;
    };
    const DescriptionObject root = ParseDescription(nested(50), "deep.desc");
    const DescriptionObject* deepest = vcl::FindObject(root, "O49");
    ASSERT_NE(deepest, nullptr);
    EXPECT_EQ(deepest->line, 50);
    EXPECT_TRUE(deepest->children.empty());

    EXPECT_NE(ErrorOf(nested(10000)).find("objects nested too deeply"), std::string::npos);
}

TEST(DescriptionFind, PropertiesAndObjectsByNameIgnoringCase) {
    const DescriptionObject root = ParseDescription(kGoodDescription, "MainForm.desc");

    const vcl::DescriptionProperty* p = vcl::FindProperty(root, "font.name");
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->name, "Font.Name");
    EXPECT_EQ(p->value.text, "MS Sans Serif");
    EXPECT_EQ(vcl::FindProperty(root, "Font"), nullptr);
    EXPECT_EQ(vcl::FindProperty(root, "Left"), nullptr);  // belongs to ListBox1 only

    EXPECT_EQ(vcl::FindObject(root, "form1"), &root);
    EXPECT_EQ(vcl::FindObject(root, "LISTBOX1"), &root.children.at(0));
    EXPECT_EQ(vcl::FindObject(root, "ButtonClose"), &root.children.at(1).children.at(1));
    EXPECT_EQ(vcl::FindObject(root, "TButton"), nullptr);
    EXPECT_EQ(vcl::FindObject(root.children.at(0), "Panel1"), nullptr);
}

TEST(DescriptionFind, KindNames) {
    EXPECT_STREQ(vcl::KindName(Kind::Integer), "Integer");
    EXPECT_STREQ(vcl::KindName(Kind::String), "String");
    EXPECT_STREQ(vcl::KindName(Kind::Identifier), "Identifier");
    EXPECT_STREQ(vcl::KindName(Kind::Set), "Set");
}

}  // namespace
