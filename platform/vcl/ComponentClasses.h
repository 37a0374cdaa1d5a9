#pragma once
// The component classes a window description may name, by class name. The
// library registers its own; a component pack registers its classes when it
// starts.
#include <functional>
#include <memory>
#include <string>

namespace vcl {

class TComponent;

using TComponentFactory = std::function<std::unique_ptr<TComponent>(TComponent* owner)>;

void RegisterComponentClass(const std::string& className, TComponentFactory factory);
// nullptr when no class of that name is registered.
const TComponentFactory* FindComponentClass(const std::string& className);

template <class T>
void RegisterComponentClass(const std::string& className) {
    RegisterComponentClass(className, [](TComponent* owner) { return std::make_unique<T>(owner); });
}

}  // namespace vcl
