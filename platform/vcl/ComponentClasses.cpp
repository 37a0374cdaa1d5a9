#include "ComponentClasses.h"

#include "TButton.h"
#include "TImage.h"
#include "TListBox.h"
#include "TPanel.h"

#include <map>

namespace vcl {

namespace {

std::map<std::string, TComponentFactory>& Classes() {
    static std::map<std::string, TComponentFactory> classes = [] {
        std::map<std::string, TComponentFactory> standard;
        auto add = [&](const char* name, auto tag) {
            using T = typename decltype(tag)::type;
            standard[name] = [](TComponent* owner) { return std::make_unique<T>(owner); };
        };
        add("TListBox", std::common_type<TListBox>{});
        add("TButton", std::common_type<TButton>{});
        add("TPanel", std::common_type<TPanel>{});
        add("TImage", std::common_type<TImage>{});
        return standard;
    }();
    return classes;
}

}  // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory) {
    Classes()[className] = std::move(factory);
}

const TComponentFactory* FindComponentClass(const std::string& className) {
    auto it = Classes().find(className);
    return it == Classes().end() ? nullptr : &it->second;
}

}  // namespace vcl
