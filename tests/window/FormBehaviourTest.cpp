// Real windows under Wine: showing, painting, clicks routed to windowless
// controls, dialog keys, modal show and the error box.
#include "platform/vcl/TApplication.h"
#include "tests/support/WindowTest.h"
#include "tests/window/ProbeForm.h"

#include <gtest/gtest.h>

#if TRAMVELT_HAS_WINDOWS
#include <commctrl.h>

namespace {

using namespace testing_support;

// The text of the tooltip this thread shows, or "" while none is visible.
std::string VisibleHint() {
    std::string found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) -> BOOL {
            char name[64] = {};
            ::GetClassNameA(window, name, sizeof name);
            if (std::string(name) != TOOLTIPS_CLASSA || !::IsWindowVisible(window)) return TRUE;
            char text[256] = {};
            TOOLINFOA info{};
            info.cbSize = sizeof info;
            info.lpszText = text;
            if (::SendMessageA(window, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&info)))
                reinterpret_cast<std::string*>(data)->assign(text);
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

class FormBehaviour : public ::testing::Test {
protected:
    FormBehaviour() { vcl::Application->SetTitle("Tramvelt"); }
    ~FormBehaviour() override {
        vcl::Application->DestroyForms();
        vcl::Application->ProcessMessages();
    }
    TProbeForm* ShowProbe(int left = 40, int top = 30) {
        TProbeForm* form = nullptr;
        vcl::Application->CreateForm(form);
        form->SetBounds(left, top, form->Width(), form->Height());
        form->Show();
        EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(form->Handle()); }));
        EXPECT_TRUE(Activate(form->Handle()));
        return form;
    }
    POINT Centre(vcl::TWinControl& control) {
        return ClientToScreenPoint(control.Handle(), control.Width() / 2, control.Height() / 2);
    }
};

TEST_F(FormBehaviour, ShowRunsTheShowHandlerBeforeTheWindowIsVisible) {
    TProbeForm* form = ShowProbe();
    ASSERT_FALSE(form->events.empty());
    EXPECT_EQ(form->events.front(), "FormShow");
    EXPECT_FALSE(form->visibleDuringShow);
    EXPECT_TRUE(::IsWindowVisible(form->Handle()));
    EXPECT_NE(std::find(form->events.begin(), form->events.end(), "FormPaint"), form->events.end());
    RECT client;
    ::GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_EQ(client.bottom, 150);
    // Real pixels: the yellow top panel and the picture's check mark on it.
    EXPECT_EQ(ClientPixel(form->Handle(), 150, 20), RGB(255, 255, 0));
    EXPECT_EQ(ClientPixel(form->Handle(), 4 + 7, 4 + 1), RGB(0, 0, 0)) << "check mark pixel";
    EXPECT_EQ(ClientPixel(form->Handle(), 4 + 0, 4 + 1), RGB(255, 255, 0)) << "beside it";
}

TEST_F(FormBehaviour, ClickOnAWindowlessControlNeedsPressAndReleaseOverIt) {
    TProbeForm* form = ShowProbe();
    HWND top = form->Top->Handle();
    form->events.clear();
    Click(ClientToScreenPoint(top, 8, 8));
    EXPECT_EQ(form->events, (std::vector<std::string>{"PictureClick"}));
    form->events.clear();
    Click(ClientToScreenPoint(top, 8, 8), /*right=*/true);
    MouseButton(ClientToScreenPoint(top, 8, 8), true);
    MoveMouse(ClientToScreenPoint(top, 100, 20));
    MouseButton(ClientToScreenPoint(top, 100, 20), false);
    EXPECT_TRUE(form->events.empty()) << "right click, and a press released outside";
}

TEST_F(FormBehaviour, HoveringShowsTheHintsOfWindowedAndWindowlessControls) {
    TProbeForm* form = ShowProbe();
    MoveMouse(ClientToScreenPoint(form->Top->Handle(), 8, 8));
    EXPECT_TRUE(PumpUntil([] { return VisibleHint() == "Bild"; })) << "picture: '" << VisibleHint() << "'";
    MoveMouse(Centre(*form->Ok));
    EXPECT_TRUE(PumpUntil([] { return VisibleHint() == "Übernehmen"; })) << "button: '" << VisibleHint() << "'";
    MoveMouse(Centre(*form->List));
    EXPECT_TRUE(PumpUntil([] { return VisibleHint().empty(); })) << "list without a hint: '" << VisibleHint() << "'";
}

TEST_F(FormBehaviour, EnterPressesTheDefaultButtonEscTheCancelButtonTabMovesFocus) {
    TProbeForm* form = ShowProbe();
    EXPECT_TRUE(form->List->Focused()) << "first in tab order";
    form->events.clear();
    PressKey(VK_RETURN);
    PressKey(VK_ESCAPE);
    EXPECT_EQ(form->events, (std::vector<std::string>{"OkClick", "QuitClick"}));
    PressKey(VK_TAB);
    EXPECT_TRUE(form->Quit->Focused());
    PressKey(VK_TAB);
    EXPECT_TRUE(form->Ok->Focused());
    PressKey(VK_TAB);
    EXPECT_TRUE(form->List->Focused());
}

TEST_F(FormBehaviour, ErrorBoxShowsMessageWithFullStopTitleStopIconAndOk) {
    TProbeForm* form = ShowProbe();
    MessageBoxWatcher watcher("Tramvelt");
    watcher.WatchDisabled({form->Handle()});
    vcl::Application->ShowException(vcl::ERegistryException("Failed to set data for 'Enabled'"));
    vcl::Application->ShowException(vcl::Exception("Ends in a full stop."));
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Failed to set data for 'Enabled'.");
    EXPECT_EQ(boxes[1].text, "Ends in a full stop..");
    for (const auto& box : boxes) {
        EXPECT_EQ(box.caption, "Tramvelt");
        EXPECT_TRUE(box.stopIcon);
        EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK"}));
        EXPECT_TRUE(box.ownerDisabledOthers) << "modal to the whole program";
    }
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
    EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == form->Handle(); }));
}

TEST_F(FormBehaviour, ErrorInAClickHandlerGivesOneBoxAndLaterClicksWork) {
    TProbeForm* form = ShowProbe();
    MessageBoxWatcher watcher("Tramvelt");
    form->failIn = "OkClick";
    form->events.clear();
    Click(Centre(*form->Ok));
    PumpUntil([&] { return watcher.Boxes().size() == 1; });
    form->failIn.clear();
    EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == form->Handle(); }));
    Click(Centre(*form->Ok));
    PumpFor(200);
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Probe failed in OkClick.");
    EXPECT_EQ(form->events, (std::vector<std::string>{"OkClick", "OkClick"}));
    EXPECT_TRUE(::IsWindowEnabled(form->Handle()));
}

TEST_F(FormBehaviour, ErrorInTheShowHandlerGivesOneBoxAndTheWindowIsStillShown) {
    MessageBoxWatcher watcher("Tramvelt");
    TProbeForm* form = nullptr;
    vcl::Application->CreateForm(form);
    form->failIn = "FormShow";
    form->Show();
    EXPECT_TRUE(PumpUntil([&] { return ::IsWindowVisible(form->Handle()); }));
    PumpFor(200);
    auto boxes = watcher.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Probe failed in FormShow.");
}

struct ModalScript {
    static std::function<void()> step;
    static void CALLBACK Run(HWND, UINT, UINT_PTR id, DWORD) {
        ::KillTimer(nullptr, id);
        if (step) step();
    }
};
std::function<void()> ModalScript::step;

TEST_F(FormBehaviour, ShowModalDisablesOtherWindowsAndReturnsTheModalResult) {
    TProbeForm* owner = ShowProbe();
    TProbeForm* dialog = nullptr;
    vcl::Application->CreateForm(dialog);
    dialog->SetBounds(300, 200, dialog->Width(), dialog->Height());
    dialog->Ok->ModalResult = vcl::mrOk;
    bool ownerDisabled = false;
    ModalScript::step = [&] {
        ownerDisabled = !::IsWindowEnabled(owner->Handle());
        Click(Centre(*dialog->Ok));
    };
    ::SetTimer(nullptr, 0, 300, ModalScript::Run);
    EXPECT_EQ(dialog->ShowModal(), vcl::mrOk);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(::IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(::IsWindowVisible(dialog->Handle()));
    EXPECT_TRUE(PumpUntil([&] { return ::GetActiveWindow() == owner->Handle(); }));

    // The quit message ends a modal loop with mrCancel and stays for the outer loop.
    ModalScript::step = [] { ::PostQuitMessage(0); };
    ::SetTimer(nullptr, 0, 100, ModalScript::Run);
    EXPECT_EQ(dialog->ShowModal(), vcl::mrCancel);
    EXPECT_FALSE(vcl::Application->HandleMessage()) << "the quit message is still there";
    ModalScript::step = nullptr;
}

TEST_F(FormBehaviour, ClosingTheMainFormEndsTheMessageLoop) {
    TProbeForm* main = ShowProbe();
    ASSERT_EQ(vcl::Application->MainForm(), main);
    ModalScript::step = [&] { ::PostMessageA(main->Handle(), WM_CLOSE, 0, 0); };
    ::SetTimer(nullptr, 0, 100, ModalScript::Run);
    int messages = 0;
    while (vcl::Application->HandleMessage() && messages < 100000) ++messages;
    EXPECT_TRUE(vcl::Application->Terminated());
    ModalScript::step = nullptr;
}

}  // namespace
#endif
