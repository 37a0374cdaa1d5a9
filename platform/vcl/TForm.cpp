#include "TForm.h"

#include "ComponentClasses.h"
#include "Exception.h"
#include "Resources.h"
#include "TApplication.h"
#include "TButton.h"
#include "TScreen.h"

#include <algorithm>
#include <set>

namespace vcl {

TForm::TForm(TComponent* owner) : TWinControl(owner) {
    SetVisible(false);
    SetColor(clBtnFace);
    Font()->Height = -11;
}

TForm::~TForm() {
    // Controls go while the form can still take them off its list.
    DestroyHandle();
    DestroyComponents();
}

void TForm::SetCaption(const std::string& caption) {
    caption_ = caption;
#if TRAMVELT_HAS_WINDOWS
    if (HandleAllocated()) ::SetWindowTextA(Handle(), caption_.c_str());
#endif
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    UpdateOuterSize();
}

int TForm::ClientWidth() const { return HandleAllocated() ? TWinControl::ClientWidth() : clientWidth_; }
int TForm::ClientHeight() const {
    return HandleAllocated() ? TWinControl::ClientHeight() : clientHeight_;
}

void TForm::Click() { TControl::Click(); }

// --- description ---------------------------------------------------------

void TForm::ReadProperties(TComponent& component, const DescriptionObject& object,
                           PropertyReader& reader) {
    for (const DescriptionProperty& property : object.properties) {
        reader.Begin(component, property);
        if (!component.ReadProperty(property, reader)) reader.UnknownProperty();
    }
}

void TForm::LoadDescription(const std::string& resourceName) {
    LoadDescriptionText(FindResourceData(resourceName), resourceName);
}

void TForm::LoadDescriptionText(std::string_view text, const std::string& resourceName) {
    DescriptionObject root = ParseDescription(text, resourceName);
    if (root.className != ClassName())
        throw EDescriptionError(DescriptionPosition(resourceName, root.line, root.column) + "the description is of " + root.className +
                                ", not of " + ClassName());
    SetName(root.name);
    PropertyReader reader(resourceName, ClassName(), handlers_);
    ReadProperties(*this, root, reader);
    LoadChildren(root, this, reader, resourceName);

    std::set<std::string> found;
    for (int i = 0; i < ComponentCount(); ++i) found.insert(Component(i)->Name());
    for (const auto& member : members_)
        if (!found.count(member.first))
            throw EDescriptionError(resourceName + ": member '" + member.first + "' of " +
                                    ClassName() + " has no component in the description");

    Loaded();
    for (int i = 0; i < ComponentCount(); ++i) Component(i)->Loaded();
    AlignControls();
}

void TForm::LoadChildren(const DescriptionObject& object, TComponent* container,
                         PropertyReader& reader, const std::string& source) {
    for (const DescriptionObject& child : object.children) {
        std::string where = DescriptionPosition(source, child.line, child.column);
        const TComponentFactory* factory = FindComponentClass(child.className);
        if (!factory)
            throw EDescriptionError(where + "unknown component class '" + child.className +
                                    "' of '" + child.name + "'");
        auto bind = members_.find(child.name);
        if (bind == members_.end())
            throw EDescriptionError(where + "component '" + child.name + "' (" +
                                    child.className + ") has no matching member in " +
                                    ClassName());
        TComponent* component = InsertComponent((*factory)(this));
        component->SetName(child.name);
        if (auto* control = dynamic_cast<TControl*>(component)) {
            auto* parent = dynamic_cast<TWinControl*>(container);
            if (!parent)
                throw EDescriptionError(where + "'" + child.name + "' cannot be placed on '" +
                                        container->Name() + "', which holds no controls");
            control->SetParent(parent);
        } else if (!child.children.empty()) {
            throw EDescriptionError(where + "'" + child.name + "' holds no components");
        }
        if (!bind->second(component))
            throw EDescriptionError(where + "member '" + child.name + "' of " + ClassName() +
                                    " is not of class " + child.className);
        ReadProperties(*component, child, reader);
        LoadChildren(child, component, reader, source);
    }
}

bool TForm::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    const std::string& name = property.name;
    const DescriptionValue& value = property.value;
    if (name == "Caption") {
        SetCaption(reader.String(value));
    } else if (name == "ClientWidth") {
        SetClientSize(reader.Integer(value), clientHeight_);
    } else if (name == "ClientHeight") {
        SetClientSize(clientWidth_, reader.Integer(value));
    } else if (name == "BorderStyle") {
        borderStyle_ = reader.Enum<TFormBorderStyle>(
            value, {{"bsNone", TFormBorderStyle::bsNone}, {"bsSingle", TFormBorderStyle::bsSingle},
                    {"bsSizeable", TFormBorderStyle::bsSizeable}, {"bsDialog", TFormBorderStyle::bsDialog}});
        UpdateOuterSize();
    } else if (name == "BorderIcons") {
        borderIcons_ = reader.Set(value, {{"biSystemMenu", biSystemMenu}, {"biMinimize", biMinimize},
                                          {"biMaximize", biMaximize}, {"biHelp", biHelp}});
        UpdateOuterSize();
    } else if (name == "Position") {
        Position = reader.Enum<TPosition>(value, {{"poDesigned", TPosition::poDesigned},
                                                  {"poScreenCenter", TPosition::poScreenCenter}});
    } else if (name == "Scaled") {
        Scaled = reader.Boolean(value);
    } else if (name == "PixelsPerInch" || name == "TextHeight") {
        reader.Integer(value);  // design-time figures; the layout is never rescaled
    } else if (name == "OnShow") {
        OnShow = reader.Handler<TNotifyEvent>(value);
    } else if (name == "OnPaint") {
        OnPaint = reader.Handler<TNotifyEvent>(value);
    } else if (name == "Width" || name == "Height") {
        reader.Fail(value, "set ClientWidth and ClientHeight instead");
    } else {
        return TWinControl::ReadProperty(property, reader);
    }
    return true;
}

// --- showing ---------------------------------------------------------------

void TForm::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

void TForm::DoShow() {
    if (!OnShow) return;
    try {
        OnShow(this);
    } catch (...) {
        Application->HandleException(this);
    }
}

bool TForm::DialogKey(unsigned virtualKey, bool shift) {
    switch (virtualKey) {
        case 0x09: {  // Tab
            std::vector<TWinControl*> list = TabList();
            if (list.empty()) return true;
            auto current = std::find_if(list.begin(), list.end(),
                                        [](TWinControl* c) { return c->Focused(); });
            std::size_t index = current == list.end() ? 0 : static_cast<std::size_t>(current - list.begin());
            std::size_t next = current == list.end() ? 0
                               : shift ? (index + list.size() - 1) % list.size()
                                       : (index + 1) % list.size();
            list[next]->SetFocus();
            return true;
        }
        case 0x0D: {  // Enter
            for (TWinControl* c : TabList())
                if (c->Focused())
                    if (auto* button = dynamic_cast<TButton*>(c)) {
                        button->Click();
                        return true;
                    }
            if (TButton* button = FindButton(false)) {
                button->Click();
                return true;
            }
            return false;
        }
        case 0x1B:  // Esc
            if (TButton* button = FindButton(true)) {
                button->Click();
                return true;
            }
            return false;
        default:
            return false;
    }
}

namespace {

void CollectTabList(const TWinControl& parent, std::vector<TWinControl*>& list) {
    std::vector<TWinControl*> children;
    for (int i = 0; i < parent.ControlCount(); ++i)
        if (auto* windowed = dynamic_cast<TWinControl*>(parent.Control(i)))
            if (windowed->Visible() && windowed->Enabled()) children.push_back(windowed);
    std::stable_sort(children.begin(), children.end(),
                     [](TWinControl* a, TWinControl* b) { return a->TabOrder < b->TabOrder; });
    for (TWinControl* child : children) {
        if (child->TabStop) list.push_back(child);
        CollectTabList(*child, list);
    }
}

void CollectButtons(const TWinControl& parent, std::vector<TButton*>& list) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        if (auto* button = dynamic_cast<TButton*>(parent.Control(i))) list.push_back(button);
        if (auto* windowed = dynamic_cast<TWinControl*>(parent.Control(i)))
            CollectButtons(*windowed, list);
    }
}

}  // namespace

std::vector<TWinControl*> TForm::TabList() const {
    std::vector<TWinControl*> list;
    CollectTabList(*this, list);
    return list;
}

TButton* TForm::FindButton(bool cancel) const {
    std::vector<TButton*> buttons;
    CollectButtons(*this, buttons);
    for (TButton* button : buttons)
        if ((cancel ? button->Cancel : button->Default) && button->Showing() && button->Enabled())
            return button;
    return nullptr;
}

#if TRAMVELT_HAS_WINDOWS

void TForm::CreateParams(TCreateParams& params) {
    params.caption = caption_;
    params.exStyle = 0;
    switch (borderStyle_) {
        case TFormBorderStyle::bsNone: params.style = WS_POPUP; break;
        case TFormBorderStyle::bsSingle: params.style = WS_OVERLAPPED | WS_CAPTION; break;
        case TFormBorderStyle::bsSizeable: params.style = WS_OVERLAPPEDWINDOW & ~(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX); break;
        case TFormBorderStyle::bsDialog: params.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME; params.exStyle = WS_EX_DLGMODALFRAME; break;
    }
    if (borderStyle_ != TFormBorderStyle::bsNone) {
        if (borderIcons_ & biSystemMenu) params.style |= WS_SYSMENU;
        if (borderStyle_ != TFormBorderStyle::bsDialog) {
            if (borderIcons_ & biMinimize) params.style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize) params.style |= WS_MAXIMIZEBOX;
        }
    }
    params.style |= WS_CLIPCHILDREN;
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    params.parent = nullptr;
}

void TForm::UpdateOuterSize() {
    TCreateParams params;
    CreateParams(params);
    RECT r{0, 0, clientWidth_, clientHeight_};
    ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    TControl::SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
    if (HandleAllocated())
        ::SetWindowPos(Handle(), nullptr, 0, 0, Width(), Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::CreateWnd() {
    TWinControl::CreateWnd();
    if (HICON icon = Application->Icon()) {
        ::SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
        ::SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    }
}

void TForm::Show() {
    HWND window = Handle();
    DoShow();
    if (Position == TPosition::poScreenCenter)
        SetBounds((Screen->Width() - Width()) / 2, (Screen->Height() - Height()) / 2, Width(), Height());
    TControl::SetVisible(true);
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::SetForegroundWindow(window);
    ::UpdateWindow(window);
    // Hints are set up when the mouse first moves over the form: loading the
    // tooltip control would otherwise delay the first paint.
    hintsPending_ = true;
}

void TForm::Hide() {
    TControl::SetVisible(false);
    if (HandleAllocated()) ::ShowWindow(Handle(), SW_HIDE);
}

void TForm::HintsNeeded() {
    if (!hintsPending_) return;
    hintsPending_ = false;
    Application->UpdateHints(*this);
}

bool TForm::Active() const { return HandleAllocated() && ::GetActiveWindow() == const_cast<TForm*>(this)->Handle(); }

void TForm::Close() {
    if (modal_) {
        ModalResult = mrCancel;
    } else if (Application->MainForm() == this) {
        Application->Terminate();
    } else {
        Hide();
    }
}

TModalResult TForm::ShowModal() {
    if (Visible() || modal_) throw Exception("Cannot make a visible window modal");
    HWND previous = ::GetActiveWindow();
    std::vector<HWND> disabled = Application->DisableTaskWindows(nullptr);
    struct Restore {
        TForm& form;
        std::vector<HWND>& disabled;
        HWND previous;
        ~Restore() {
            form.modal_ = false;
            form.Hide();
            Application->EnableTaskWindows(disabled);
            if (previous && ::IsWindow(previous)) ::SetActiveWindow(previous);
        }
    } restore{*this, disabled, previous};
    modal_ = true;
    ModalResult = mrNone;
    Show();
    while (ModalResult == mrNone) {
        if (!Application->HandleMessage()) {
            // The program is quitting: end the loop and leave the quit message
            // for the loop outside.
            ModalResult = mrCancel;
            ::PostQuitMessage(0);
        }
    }
    return ModalResult;
}

void TForm::Paint(TCanvas& canvas) {
    struct Reset {
        TCanvas*& canvas;
        ~Reset() { canvas = nullptr; }
    } reset{paintCanvas_};
    paintCanvas_ = &canvas;
    if (OnPaint) OnPaint(this);
}

void TForm::WndProc(TMessage& message) {
    for (const TMessageHook& hook : hooks_)
        if (hook(message)) return;
    switch (message.Msg) {
        case WM_CLOSE:
            Close();
            return;
        case WM_ACTIVATE:
            if (LOWORD(message.WParam) == WA_INACTIVE) {
                if (TWinControl* focused = FromHandle(::GetFocus()))
                    if (focused->ParentForm() == this) activeControl_ = focused;
            }
            break;
        case WM_SETFOCUS: {
            std::vector<TWinControl*> list = TabList();
            TWinControl* target = activeControl_;
            if (!target || std::find(list.begin(), list.end(), target) == list.end())
                target = list.empty() ? nullptr : list.front();
            if (target) {
                target->SetFocus();
                return;
            }
            break;
        }
        default:
            break;
    }
    TWinControl::WndProc(message);
}

#else  // no window system

void TForm::CreateParams(TCreateParams&) {}
void TForm::UpdateOuterSize() { TControl::SetBounds(Left(), Top(), clientWidth_, clientHeight_); }
void TForm::CreateWnd() {}
void TForm::Show() { Handle(); }
void TForm::Hide() { TControl::SetVisible(false); }
bool TForm::Active() const { return false; }
void TForm::HintsNeeded() {}
void TForm::Close() { Hide(); }
TModalResult TForm::ShowModal() { Handle(); return mrNone; }
void TForm::Paint(TCanvas&) {}
void TForm::WndProc(TMessage&) {}

#endif

}  // namespace vcl
