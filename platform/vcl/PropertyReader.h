#pragma once
// Reads typed values out of a window description for one component, and
// raises EDescriptionError naming the file, the position, the component and
// the property when a value does not fit.
#include "Description.h"
#include "Types.h"

#include <any>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

namespace vcl {

class TComponent;
class TFont;

// Event handlers of a form, by name, as typed std::function objects in std::any.
using THandlerTable = std::map<std::string, std::any>;

class PropertyReader {
public:
    PropertyReader(std::string source, std::string formClass, const THandlerTable& handlers)
        : source_(std::move(source)), formClass_(std::move(formClass)), handlers_(handlers) {}

    // The property being read, for messages.
    void Begin(const TComponent& component, const DescriptionProperty& property) {
        component_ = &component;
        property_ = &property;
    }

    int Integer(const DescriptionValue& value) const;
    bool Boolean(const DescriptionValue& value) const;
    std::string String(const DescriptionValue& value) const;
    TColor Color(const DescriptionValue& value) const;
    TCursor Cursor(const DescriptionValue& value) const;
    // One identifier out of names, mapped to its value.
    template <class E>
    E Enum(const DescriptionValue& value, std::initializer_list<std::pair<const char*, E>> names) const {
        const std::string& name = Identifier(value);
        for (const auto& entry : names)
            if (name == entry.first) return entry.second;
        Fail(value, "unknown value '" + name + "'");
    }
    // A set of identifiers out of names, or'ed together.
    unsigned Set(const DescriptionValue& value,
                 std::initializer_list<std::pair<const char*, unsigned>> names) const;
    // The form's handler of that name, which must have the event's type.
    template <class Event>
    Event Handler(const DescriptionValue& value) const {
        const std::string& name = Identifier(value);
        auto it = handlers_.find(name);
        if (it == handlers_.end())
            Fail(value, "handler '" + name + "' has no matching member in " + formClass_);
        if (const Event* event = std::any_cast<Event>(&it->second)) return *event;
        Fail(value, "handler '" + name + "' of " + formClass_ + " does not fit this event");
    }

    // One field of a font ("Name", "Height", "Color", "Style", "Charset");
    // false for another field.
    bool Font(TFont& font, const std::string& field, const DescriptionValue& value) const;

    [[noreturn]] void Fail(const DescriptionValue& value, const std::string& what) const;
    [[noreturn]] void UnknownProperty() const;
    const std::string& Source() const { return source_; }

private:
    const std::string& Identifier(const DescriptionValue& value) const;
    void Expect(const DescriptionValue& value, DescriptionValue::Kind kind) const;

    std::string source_;
    std::string formClass_;
    const THandlerTable& handlers_;
    const TComponent* component_ = nullptr;
    const DescriptionProperty* property_ = nullptr;
};

}  // namespace vcl
