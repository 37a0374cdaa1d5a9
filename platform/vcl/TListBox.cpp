#include "TListBox.h"

#include "Exception.h"

namespace vcl {

TListBox::TListBox(TComponent* owner) : TWinControl(owner) {
    TabStop = true;
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

bool TListBox::ReadProperty(const DescriptionProperty& property, PropertyReader& reader) {
    const std::string& name = property.name;
    if (name == "ItemHeight") {
        SetItemHeight(reader.Integer(property.value));
    } else if (name == "Style") {
        reader.Enum<int>(property.value, {{"lbOwnerDrawFixed", 0}});
    } else if (name == "MultiSelect" || name == "ExtendedSelect" || name == "Sorted") {
        if (reader.Boolean(property.value)) reader.Fail(property.value, "not supported");
    } else if (name == "OnDrawItem") {
        OnDrawItem = reader.Handler<TDrawItemEvent>(property.value);
    } else {
        return TWinControl::ReadProperty(property, reader);
    }
    return true;
}

#if TRAMVELT_HAS_WINDOWS

void TListBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.windowClass = "LISTBOX";
    params.style |= WS_TABSTOP | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                    LBS_NOINTEGRALHEIGHT;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TListBox::CreateWnd() {
    TWinControl::CreateWnd();
    HWND window = Handle();
    ::SendMessageA(window, LB_SETITEMHEIGHT, 0, itemHeight_);
    for (int i = 0; i < items_.Count(); ++i)
        ::SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(items_.Get(i).c_str()));
    if (itemIndex_ >= 0) ::SendMessageA(window, LB_SETCURSEL, itemIndex_, 0);
}

int TListBox::ItemIndex() const {
    if (!HandleAllocated()) return itemIndex_;
    return static_cast<int>(::SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETCURSEL, 0, 0));
}

void TListBox::SetItemIndex(int index) {
    itemIndex_ = index;
    if (HandleAllocated()) ::SendMessageA(Handle(), LB_SETCURSEL, index, 0);
}

void TListBox::SetItemHeight(int height) {
    itemHeight_ = height;
    if (HandleAllocated()) {
        ::SendMessageA(Handle(), LB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

TRect TListBox::ItemRect(int index) const {
    RECT r{};
    if (HandleAllocated())
        ::SendMessageA(const_cast<TListBox*>(this)->Handle(), LB_GETITEMRECT, index,
                       reinterpret_cast<LPARAM>(&r));
    return Rect(r.left, r.top, r.right, r.bottom);
}

void TListBox::DrawItem(void* raw) {
    auto& item = *static_cast<DRAWITEMSTRUCT*>(raw);
    TRect rect = Rect(item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom);
    TOwnerDrawState state = 0;
    if (item.itemState & ODS_SELECTED) state |= odSelected;
    if (item.itemState & ODS_FOCUS) state |= odFocused;
    if (item.itemState & ODS_DISABLED) state |= odDisabled;
    {
        TCanvas canvas;
        canvas.SetHandle(item.hDC);
        canvas.Font->Assign(*Font());
        canvas.Brush->Color = Color();
        struct Reset {
            TCanvas*& canvas;
            ~Reset() { canvas = nullptr; }
        } reset{drawCanvas_};
        drawCanvas_ = &canvas;
        int index = static_cast<int>(item.itemID);
        if (OnDrawItem) {
            OnDrawItem(this, index, rect, state);
        } else if (index >= 0 && index < items_.Count()) {
            canvas.FillRect(rect);
            canvas.TextOut(rect.Left + 2, rect.Top, items_.Get(index));
        }
    }
    if (item.itemState & ODS_FOCUS) ::DrawFocusRect(item.hDC, &item.rcItem);
}

void TListBox::WndProc(TMessage& message) {
    switch (message.Msg) {
        case CN_COMMAND:
            if (HIWORD(message.WParam) == LBN_SELCHANGE) Click();
            return;
        case CN_DRAWITEM:
            DrawItem(reinterpret_cast<void*>(message.LParam));
            message.Result = TRUE;
            return;
        default:
            TWinControl::WndProc(message);
    }
}

#else

void TListBox::CreateParams(TCreateParams&) {}
void TListBox::CreateWnd() {}
int TListBox::ItemIndex() const { return itemIndex_; }
void TListBox::SetItemIndex(int index) { itemIndex_ = index; }
void TListBox::SetItemHeight(int height) { itemHeight_ = height; }
TRect TListBox::ItemRect(int index) const {
    return Rect(0, index * itemHeight_, ClientWidth(), (index + 1) * itemHeight_);
}
void TListBox::DrawItem(void*) {}
void TListBox::WndProc(TMessage& message) { TWinControl::WndProc(message); }

#endif

}  // namespace vcl
