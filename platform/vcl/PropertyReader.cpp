#include "PropertyReader.h"

#include "Exception.h"
#include "TComponent.h"
#include "TFont.h"

#include <climits>

namespace vcl {

void PropertyReader::Fail(const DescriptionValue& value, const std::string& what) const {
    std::string where = DescriptionPosition(source_, value.line, value.column);
    std::string who = component_ ? std::string(component_->ClassName()) + " '" +
                                       component_->Name() + "'"
                                 : "?";
    throw EDescriptionError(where + "property '" + (property_ ? property_->name : "?") +
                            "' of " + who + ": " + what);
}

void PropertyReader::UnknownProperty() const {
    std::string where = DescriptionPosition(source_, property_->line, property_->column);
    throw EDescriptionError(where + "unknown property '" + property_->name + "' of " +
                            component_->ClassName() + " '" + component_->Name() + "'");
}

void PropertyReader::Expect(const DescriptionValue& value, DescriptionValue::Kind kind) const {
    if (value.kind != kind)
        Fail(value, std::string("expected ") + KindName(kind) + ", found " + KindName(value.kind));
}

const std::string& PropertyReader::Identifier(const DescriptionValue& value) const {
    Expect(value, DescriptionValue::Kind::Identifier);
    return value.text;
}

int PropertyReader::Integer(const DescriptionValue& value) const {
    Expect(value, DescriptionValue::Kind::Integer);
    if (value.integer < INT_MIN || value.integer > static_cast<long long>(UINT_MAX))
        Fail(value, "integer out of range");
    return static_cast<int>(value.integer);
}

bool PropertyReader::Boolean(const DescriptionValue& value) const {
    return Enum<bool>(value, {{"true", true}, {"false", false}});
}

std::string PropertyReader::String(const DescriptionValue& value) const {
    Expect(value, DescriptionValue::Kind::String);
    return value.text;
}

TColor PropertyReader::Color(const DescriptionValue& value) const {
    if (value.kind == DescriptionValue::Kind::Integer) return Integer(value);
    return Enum<TColor>(value, {{"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen},
                                {"clNavy", clNavy}, {"clSilver", clSilver}, {"clGray", clGray},
                                {"clRed", clRed}, {"clYellow", clYellow}, {"clBlue", clBlue},
                                {"clWhite", clWhite}, {"clBtnFace", clBtnFace},
                                {"clWindow", clWindow}, {"clWindowText", clWindowText},
                                {"clBtnText", clBtnText}});
}

TCursor PropertyReader::Cursor(const DescriptionValue& value) const {
    if (value.kind == DescriptionValue::Kind::Integer) return Integer(value);
    return Enum<TCursor>(value, {{"crDefault", crDefault}, {"crArrow", crArrow},
                                 {"crIBeam", crIBeam}, {"crHandPoint", crHandPoint}});
}

bool PropertyReader::Font(TFont& font, const std::string& field, const DescriptionValue& value) const {
    if (field == "Name") {
        font.Name = String(value);
    } else if (field == "Height") {
        font.Height = Integer(value);
    } else if (field == "Color") {
        font.Color = Color(value);
    } else if (field == "Style") {
        font.Style = Set(value, {{"fsBold", fsBold}, {"fsItalic", fsItalic},
                                 {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}});
    } else if (field == "Charset") {
        font.Charset = Enum<int>(value, {{"DEFAULT_CHARSET", DefaultCharset}, {"ANSI_CHARSET", AnsiCharset}});
    } else {
        return false;
    }
    return true;
}

unsigned PropertyReader::Set(const DescriptionValue& value,
                             std::initializer_list<std::pair<const char*, unsigned>> names) const {
    Expect(value, DescriptionValue::Kind::Set);
    unsigned bits = 0;
    for (const std::string& item : value.items) {
        bool found = false;
        for (const auto& entry : names)
            if (item == entry.first) {
                bits |= entry.second;
                found = true;
            }
        if (!found) Fail(value, "unknown set element '" + item + "'");
    }
    return bits;
}

}  // namespace vcl
