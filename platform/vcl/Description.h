#pragma once
// Window descriptions: a text file per window, parsed into a tree of objects
// with their properties. Pure code: no OS calls.
//
//   object Form1: TForm1          # '#' starts a comment unless a digit follows
//     Caption = 'Tramvelt'        # strings: '' is a quote, #NNN a character code,
//     Hint = 'a'#10'b' +          #   pieces join directly or with '+'
//            'c'
//     Left = -10                  # integers: decimal or $hex, 64-bit
//     Align = alClient            # identifiers
//     BorderIcons = [biSystemMenu, biMinimize]   # sets of identifiers
//     Font.Name = 'Arial'         # dotted property names
//     object Button1: TButton     # nested objects
//     end
//   end
//
// Each property, 'object' header and 'end' starts on its own line. Files are
// UTF-8 (an initial BOM is skipped); text in quotes is converted to code page
// 1252. Keywords and names compare ASCII case-insensitively.
#include <string>
#include <string_view>
#include <vector>

namespace vcl {

struct DescriptionValue {
    enum class Kind { Integer, String, Identifier, Set };
    Kind kind = Kind::Integer;
    long long integer = 0;           // Integer
    std::string text;                // String (code page 1252 bytes) or Identifier
    std::vector<std::string> items;  // Set elements, in file order
    int line = 0, column = 0;        // where the value starts
};

struct DescriptionProperty {
    std::string name;  // possibly dotted, e.g. "Font.Name"
    DescriptionValue value;
    int line = 0, column = 0;  // position of the name
};

struct DescriptionObject {
    std::string name, className;
    std::vector<DescriptionProperty> properties;  // in file order
    std::vector<DescriptionObject> children;      // in file order
    int line = 0, column = 0;                     // position of 'object'
};

// Parses one description. Errors throw EDescriptionError with the message
// "<sourceName>(<line>:<column>): <what>"; lines and columns (in bytes) are
// 1-based.
DescriptionObject ParseDescription(std::string_view text, const std::string& sourceName);

// The property of obj called name, or nullptr.
const DescriptionProperty* FindProperty(const DescriptionObject& obj, std::string_view name);

// obj itself or the object called name anywhere below it, or nullptr.
const DescriptionObject* FindObject(const DescriptionObject& obj, std::string_view name);

// "<sourceName>(<line>:<column>): ", the start of every message about a place
// in a description.
std::string DescriptionPosition(const std::string& sourceName, int line, int column);

// "Integer", "String", "Identifier" or "Set", for messages.
const char* KindName(DescriptionValue::Kind kind);

}  // namespace vcl
