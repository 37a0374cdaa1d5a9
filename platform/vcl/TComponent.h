#pragma once
// Base of everything a form owns. An owner destroys the components it owns,
// last created first.
#include "Description.h"
#include "PropertyReader.h"
#include "Types.h"

#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner = nullptr) : owner_(owner) {}
    ~TComponent() override;
    const char* ClassName() const override { return "TComponent"; }
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }

    // Creates a component owned by this one.
    template <class T, class... Args>
    T* Create(Args&&... args) {
        auto component = std::make_unique<T>(this, std::forward<Args>(args)...);
        T* raw = component.get();
        components_.push_back(std::move(component));
        return raw;
    }
    // Takes ownership of a component created elsewhere.
    TComponent* InsertComponent(std::unique_ptr<TComponent> component);

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Component(int index) const { return components_.at(index).get(); }
    TComponent* FindComponent(const std::string& name) const;

    // Description loading: sets one property (false: unknown property), then
    // Loaded() runs once every component of the form exists.
    virtual bool ReadProperty(const DescriptionProperty& property, PropertyReader& reader);
    virtual void Loaded() {}

protected:
    // Destroys owned components now, last created first.
    void DestroyComponents();

private:
    TComponent* owner_;
    std::string name_;
    std::vector<std::unique_ptr<TComponent>> components_;
};

}  // namespace vcl
