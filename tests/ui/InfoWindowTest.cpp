// The info window: centring (without a real screen of that size), and on a
// real display under Wine its frame, picture and text, opening from the main
// window's picture and closing by a click anywhere inside it.
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TScreen.h"
#include "tests/support/WindowTest.h"
#include "ui/info/InfoForm.h"
#include "ui/main/MainForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

TEST(InfoWindowCentring, TruncatesTowardZeroAndNeverClamps) {
    TForm2 form(nullptr);
    ASSERT_EQ(form.Width(), 462);
    ASSERT_EQ(form.Height(), 468);
    struct Case {
        int screenWidth, screenHeight, left, top;
    };
    const Case cases[] = {
        {1024, 768, 281, 150}, {800, 600, 169, 66}, {1280, 1024, 409, 278},
        {1023, 767, 280, 149},  // odd differences
        {460, 468, -1, 0},      // narrower than the window
        {459, 300, -1, -84},    // -1.5 and -84 truncated toward zero
    };
    for (const Case& c : cases) {
        vcl::Screen->SetSizeForTesting(c.screenWidth, c.screenHeight);
        form.FormShow(&form);
        EXPECT_EQ(form.Left(), c.left) << c.screenWidth;
        EXPECT_EQ(form.Top(), c.top) << c.screenHeight;
        EXPECT_EQ(form.Width(), 462);
        EXPECT_EQ(form.Height(), 468);
    }
    vcl::Screen->SetSizeForTesting(0, 0);
}

TEST(InfoWindowContent, JokeTextAndLayout) {
    TForm2 form(nullptr);
    EXPECT_EQ(form.ProLabel1->Caption(),
              "Die mussten wir \xFC" "brigens KOMPLETT essen...\nSonst w\xE4r's mit diesem Programm "
              "nichts geworden.");
    EXPECT_EQ(form.ProLabel1->Caption().size(), 91u);
    EXPECT_EQ(form.Image1->BoundsRect(), vcl::Rect(71, 3, 391, 384));
    EXPECT_EQ(form.Image1->Picture()->BitsPerPixel(), 8);
    EXPECT_EQ(form.ProLabel1->BoundsRect(), vcl::Rect(144, 352, 457, 457));
    EXPECT_EQ(form.ProLabel1->Font()->Height, -19);
    EXPECT_EQ(form.ProLabel1->Font()->Color, vcl::clBlue);
    EXPECT_EQ(form.Caption(), "Infoform");
    EXPECT_FALSE(form.Visible());
}

#if TRAMVELT_HAS_WINDOWS
using namespace testing_support;

// Runs steps from inside the modal loop, one per timer tick.
struct Script {
    static std::vector<std::function<void()>> steps;
    static int idleTicks;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        static bool running = false;
        if (running) return;  // a step that pumps messages sees the timer again
        struct Guard {
            Guard() { running = true; }
            ~Guard() { running = false; }
        } guard;
        if (steps.empty()) {
            // A window that should have closed by now: end its loop with a
            // result no click gives, so that the test fails instead of hanging.
            if (++idleTicks > 12 && Form2 && Form2->Modal()) Form2->ModalResult = 99;
            if (idleTicks > 12) Stop();
            return;
        }
        auto step = steps.front();
        steps.erase(steps.begin());
        step();
    }
    static void Start(std::vector<std::function<void()>> list) {
        Stop();
        steps = std::move(list);
        idleTicks = 0;
        timer = ::SetTimer(nullptr, 0, 250, Tick);
    }
    static void Stop() {
        if (timer) ::KillTimer(nullptr, timer);
        timer = 0;
    }
    static UINT_PTR timer;
};
std::vector<std::function<void()>> Script::steps;
int Script::idleTicks = 0;
UINT_PTR Script::timer = 0;

class InfoWindow : public ::testing::Test {
protected:
    InfoWindow() {
        vcl::Application->SetTitle("Tramvelt");
        vcl::Application->CreateForm(Form1);
        vcl::Application->CreateForm(Form2);
        Form1->Show();
        PumpUntil([] { return ::IsWindowVisible(Form1->Handle()); });
        Activate(Form1->Handle());
    }
    ~InfoWindow() override {
        Script::Stop();
        Script::steps.clear();
        vcl::Application->DestroyForms();
        vcl::Application->ProcessMessages();
        Form1 = nullptr;
        Form2 = nullptr;
    }
    // Opens the info window modally; the steps run while it is up. Returns the
    // modal result.
    int Open(std::vector<std::function<void()>> steps) {
        Script::Start(std::move(steps));
        return Form2->ShowModal();
    }
    POINT Inside(int x, int y) { return ClientToScreenPoint(Form2->Handle(), x, y); }
};

TEST_F(InfoWindow, OpensCentredWithABlueOutlineAndClosesOnAClickOnThePicture) {
    bool mainDisabled = false;
    RECT where{};
    std::vector<COLORREF> outline, inside;
    int result = Open({[&] {
        mainDisabled = !::IsWindowEnabled(Form1->Handle());
        ::GetWindowRect(Form2->Handle(), &where);
        PumpUntil([] { return WindowPixel(Form2->Handle(), 0, 0) == RGB(0, 0, 255); });
        HWND w = Form2->Handle();
        for (POINT p : {POINT{0, 0}, POINT{461, 0}, POINT{0, 467}, POINT{461, 467}, POINT{230, 0},
                        POINT{230, 467}, POINT{0, 200}, POINT{461, 200}})
            outline.push_back(WindowPixel(w, p.x, p.y));
        for (POINT p : {POINT{1, 1}, POINT{460, 466}, POINT{230, 1}, POINT{1, 200}})
            inside.push_back(WindowPixel(w, p.x, p.y));
        Click(Inside(200, 100));  // on the picture
    }});
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(mainDisabled) << "the main window takes no input while it is up";
    int screenWidth = ::GetSystemMetrics(SM_CXSCREEN), screenHeight = ::GetSystemMetrics(SM_CYSCREEN);
    EXPECT_EQ(where.left, (screenWidth - 462) / 2);
    EXPECT_EQ(where.top, (screenHeight - 468) / 2);
    EXPECT_EQ(where.right - where.left, 462);
    EXPECT_EQ(where.bottom - where.top, 468);
    for (COLORREF c : outline) EXPECT_EQ(c, RGB(0, 0, 255));
    for (COLORREF c : inside) EXPECT_EQ(c, RGB(255, 255, 255));
    EXPECT_FALSE(::IsWindowVisible(Form2->Handle()));
    EXPECT_TRUE(::IsWindowEnabled(Form1->Handle()));
    EXPECT_TRUE(PumpUntil([] { return ::GetActiveWindow() == Form1->Handle(); }));
}

TEST_F(InfoWindow, ClicksOnTheTextAndTheMarginCloseItButNotRightClicksKeysOrDrags) {
    bool stillOpen = false;
    int first = Open({[&] {
                          Click(Inside(300, 420));  // text, below the picture
                      }});
    EXPECT_EQ(first, 1);
    int second = Open({[&] {
                           Activate(Form2->Handle());
                           Click(Inside(30, 440), /*right=*/true);
                           PressKey(VK_ESCAPE);
                           PressKey(VK_RETURN);
                           // A left press on the picture released outside it.
                           MouseButton(Inside(200, 100), true);
                           MoveMouse(Inside(30, 440));
                           MouseButton(Inside(30, 440), false);
                       },
                       [&] {
                           stillOpen = ::IsWindowVisible(Form2->Handle());
                           Click(Inside(30, 440));  // the white margin
                       }});
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(second, 1);
}

TEST_F(InfoWindow, OpensFromTheMainWindowsPictureAndShowsTheSameTextAgain) {
    POINT picture = ClientToScreenPoint(Form1->Image3->Parent()->Handle(), 30, 20);
    int opened = 0;
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Script::Start({[&] {
            if (::IsWindowVisible(Form2->Handle())) ++opened;
            Click(Inside(200, 100));
        }});
        Click(picture);  // Image3Click runs the modal loop, which runs the script
        EXPECT_TRUE(PumpUntil([] { return Script::steps.empty() && !::IsWindowVisible(Form2->Handle()); }, 8000));
        EXPECT_TRUE(PumpUntil([] { return ::GetActiveWindow() == Form1->Handle(); }));
    }
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(Form2->ProLabel1->Caption().size(), 91u);
}
#endif

}  // namespace
