#include "TComponent.h"

namespace vcl {

TComponent::~TComponent() { DestroyComponents(); }

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        // Pop before destroying, so that a dying component never sees itself listed.
        std::unique_ptr<TComponent> last = std::move(components_.back());
        components_.pop_back();
    }
}

TComponent* TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
    components_.push_back(std::move(component));
    return components_.back().get();
}

bool TComponent::ReadProperty(const DescriptionProperty&, PropertyReader&) { return false; }

TComponent* TComponent::FindComponent(const std::string& name) const {
    for (const auto& component : components_)
        if (component->Name() == name) return component.get();
    return nullptr;
}

}  // namespace vcl
