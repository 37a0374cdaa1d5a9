// The main window on a real display under Wine, with entries in Wine's real
// registry: rows, check marks and texts read back as pixels; clicks and
// arrow keys flipping flags; the buttons; the title bar's gradient.
#include "journal/JournalEntries.h"
#include "platform/marscap/MarsGradient.h"
#include "platform/vcl/TApplication.h"
#include "tests/support/TestRegistry.h"
#include "tests/support/WindowTest.h"
#include "ui/info/InfoForm.h"
#include "ui/main/MainForm.h"

#include <gtest/gtest.h>

#if TRAMVELT_HAS_WINDOWS
#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace testing_support;

const std::string kJournal = "Software\\Microsoft\\Shared Tools\\Outlook\\Journaling";
const COLORREF kWhite = RGB(255, 255, 255), kYellow = RGB(255, 255, 0), kBlack = RGB(0, 0, 0);

// Black pixels of the check mark, by row.
const std::vector<std::set<int>> kCheckMark = {
    {}, {7}, {6, 7}, {1, 5, 6, 7}, {1, 2, 4, 5, 6}, {1, 2, 3, 4, 5}, {2, 3, 4}, {3}, {}};

class MainWindow : public ::testing::Test {
protected:
    MainWindow() : registry_(Backend::Advapi32) {
        registry_.DeleteTree(kJournal);
        vcl::Application->SetTitle("Tramvelt");
    }
    ~MainWindow() override {
        vcl::Application->DestroyForms();
        vcl::Application->ProcessMessages();
        Form1 = nullptr;
        Form2 = nullptr;
        registry_.DeleteTree(kJournal);
    }
    void Seed(const std::vector<std::pair<std::string, int>>& entries) {
        for (const auto& entry : entries) registry_.SetDword(kJournal + "\\" + entry.first, "Enabled", entry.second);
    }
    void Open() {
        JournalCount = 0;
        vcl::Application->CreateForm(Form1);
        vcl::Application->CreateForm(Form2);
        Form1->Show();
        ASSERT_TRUE(PumpUntil([] { return ::IsWindowVisible(Form1->Handle()); }));
        ASSERT_TRUE(Activate(Form1->Handle()));
        list_ = Form1->ListBox1->Handle();
    }
    // A pixel of the list at list-client coordinates, as on the screen.
    COLORREF Pixel(int x, int y) { return ClientPixel(list_, x, y); }
    int RowTop(int row) { return Form1->ListBox1->ItemRect(row).Top; }
    // Whether any pixel in the rectangle has colour c.
    bool Any(int left, int top, int right, int bottom, COLORREF c) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (Pixel(x, y) == c) return true;
        return false;
    }
    // Checks a row's background, check mark (or its absence) and text start.
    void ExpectRow(int row, bool marked, COLORREF background) {
        SCOPED_TRACE("row " + std::to_string(row));
        int top = RowTop(row);
        // Wine copies a window's surface to the screen a little later.
        EXPECT_TRUE(PumpUntil([&] { return Pixel(250, top + 8) == background; }, 3000));
        for (int r = 0; r < 9; ++r)
            for (int c = 0; c < 9; ++c) {
                COLORREF expected = marked && kCheckMark[r].count(c) ? kBlack : background;
                ASSERT_EQ(Pixel(2 + c, top + 3 + r), expected) << "check mark pixel " << r << "," << c;
            }
        EXPECT_FALSE(Any(1, top + 1, 2, top + 15, kBlack)) << "nothing left of the mark";
        EXPECT_FALSE(Any(11, top + 1, 13, top + 15, kBlack)) << "gap before the text";
        EXPECT_TRUE(Any(13, top + 1, 20, top + 15, kBlack)) << "text from column 13";
    }
    // The rightmost column with text ink in a row: " ausbremsen" makes a row longer.
    int TextEnd(int row) {
        int top = RowTop(row), end = 0;
        for (int x = 13; x < Form1->ListBox1->ClientWidth() - 2; ++x)
            for (int y = top + 1; y < top + 15; ++y)
                if (Pixel(x, y) == kBlack) end = x;
        return end;
    }

    TestRegistry registry_;
    HWND list_ = nullptr;
};

TEST_F(MainWindow, RowsShowNamesMarksAndTheCurrentRowInYellow) {
    Seed({{"Alpha", 1}, {"Beta", 0}, {"Gamma", 1}});
    Open();
    ASSERT_EQ(Form1->ListBox1->Items->Count(), 3);
    EXPECT_EQ(Form1->ListBox1->Items->Get(0), "Gamma");
    EXPECT_EQ(Form1->ListBox1->ItemIndex(), -1);
    ExpectRow(0, true, kWhite);
    ExpectRow(1, false, kWhite);
    ExpectRow(2, true, kWhite);
    EXPECT_GT(TextEnd(0), TextEnd(1) + 40) << "\"Gamma ausbremsen\" is longer than \"Beta\"";

    // The current row is yellow, its mark the yellow one; no flag changes.
    Form1->ListBox1->SetItemIndex(0);
    Form1->ListBox1->Repaint();
    ExpectRow(0, true, kYellow);
    Form1->ListBox1->SetItemIndex(1);
    Form1->ListBox1->Repaint();
    ExpectRow(0, true, kWhite);
    ExpectRow(1, false, kYellow);
    EXPECT_EQ(Form1->JournalOn[0], 1);
    EXPECT_EQ(Form1->JournalOn[1], 0);
}

TEST_F(MainWindow, ClickFlipsTheFlagAndRepaintsBeforeTheHandlerReturns) {
    Seed({{"Alpha", 1}, {"Beta", 0}});
    Open();  // rows: Beta, Alpha
    // Directly through the handler, with no message pumped afterwards: the
    // pixels must already show the new state.
    Form1->ListBox1->SetItemIndex(0);
    Form1->ListBox1Click(Form1->ListBox1);
    EXPECT_EQ(Form1->JournalOn[0], 1);
    {
        // The window's own surface, before Wine copies it to the screen.
        HDC dc = ::GetDC(list_);
        int top = RowTop(0);
        EXPECT_EQ(::GetPixel(dc, 250, top + 8), kYellow);
        EXPECT_EQ(::GetPixel(dc, 2 + 7, top + 3 + 1), kBlack) << "the mark is there";
        ::ReleaseDC(list_, dc);
    }
    PumpFor(100);
    ExpectRow(0, true, kYellow);

    // Real clicks: each click on a row flips it, the current row included.
    POINT alpha = ClientToScreenPoint(list_, 100, RowTop(1) + 8);
    Click(alpha);
    EXPECT_TRUE(PumpUntil([] { return Form1->JournalOn[1] == 0; }));
    ExpectRow(1, false, kYellow);
    ExpectRow(0, true, kWhite);
    PumpFor(static_cast<int>(::GetDoubleClickTime()) + 100);  // two clicks, not a double click
    Click(alpha);
    EXPECT_TRUE(PumpUntil([] { return Form1->JournalOn[1] == 1; }));
    ExpectRow(1, true, kYellow);
}

TEST_F(MainWindow, ArrowKeysFlipEveryRowThatBecomesCurrent) {
    Seed({{"A", 0}, {"B", 0}, {"C", 0}, {"D", 1}});
    Open();  // rows: D, C, B, A
    Click(ClientToScreenPoint(list_, 100, RowTop(0) + 8));
    ASSERT_TRUE(PumpUntil([] { return Form1->JournalOn[0] == 0; }));
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PressKey(VK_DOWN);
    PumpFor(100);
    EXPECT_EQ((std::vector<int>{Form1->JournalOn[0], Form1->JournalOn[1], Form1->JournalOn[2],
                                Form1->JournalOn[3]}),
              (std::vector<int>{0, 1, 1, 1}));
    PressKey(VK_UP);
    PumpFor(100);
    EXPECT_EQ(Form1->JournalOn[2], 0) << "moving back up flips B again";
    ExpectRow(2, false, kYellow);
    ExpectRow(3, true, kWhite);
}

TEST_F(MainWindow, RowsFrom1024OnAreNeitherDrawnNorFlipped) {
    std::vector<std::pair<std::string, int>> entries;
    for (int i = 0; i < 1030; ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "k%04d", i);
        entries.emplace_back(name, 1);
    }
    Seed(entries);
    Open();
    ASSERT_EQ(Form1->ListBox1->Items->Count(), 1030);
    ::SendMessageA(list_, LB_SETTOPINDEX, 1029, 0);
    Form1->ListBox1->SetItemIndex(1026);
    Form1->ListBox1Click(Form1->ListBox1);  // nothing to flip
    Form1->ListBox1->Repaint();
    int top = RowTop(1026);
    ASSERT_GE(top, 0);

    PumpFor(60);
    EXPECT_FALSE(Any(0, top + 2, 200, top + 14, kYellow)) << "the handler draws nothing there";
    EXPECT_FALSE(Any(2, top + 2, 200, top + 14, kBlack)) << "no mark, no text";
    // Row 1023, the last with a flag, is drawn as usual.
    Form1->ListBox1->SetItemIndex(1023);
    Form1->ListBox1->Repaint();
    ExpectRow(1023, true, kYellow);
}

TEST_F(MainWindow, ExplanatoryTextDependsOnWhetherThereAreEntries) {
    Open();
    EXPECT_EQ(Form1->ProLabel1->Caption().substr(0, 30), "\nSie glücklicher Mensch. Kein ");
    EXPECT_EQ(Form1->ListBox1->Items->Count(), 0);
    Form1->ListBox1Click(Form1->ListBox1);  // no rows: nothing happens
    vcl::Application->DestroyForms();
    Seed({{"Alpha", 1}});
    Open();
    const std::string text = Form1->ProLabel1->Caption();
    const std::string start = "Wie Sie sicher wissen, können alle Dateien";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(text.substr(text.size() - 16), "\n\nMfG,\nFidelwanz");
    // Ink of the label's first line at the top of the window.
    bool ink = false;
    for (int x = 0; x < 200 && !ink; ++x)
        for (int y = 0; y < 14 && !ink; ++y)
            ink = ClientPixel(Form1->Handle(), x, y) == ::GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_TRUE(ink);
}

TEST_F(MainWindow, EnterAppliesEveryFlagAndChangesNoRowOrFlag) {
    Seed({{"Alpha", 2}, {"Beta", 1}});
    registry_.CreateKey(kJournal + "\\Gamma");  // no value yet
    Open();  // rows: Gamma, Beta, Alpha
    Form1->JournalOn[0] = 1;
    PressKey(VK_RETURN);
    PumpFor(100);
    EXPECT_EQ(registry_.GetValue(kJournal + "\\Alpha", "Enabled")->data, DwordBytes(0));
    EXPECT_EQ(registry_.GetValue(kJournal + "\\Beta", "Enabled")->data, DwordBytes(1));
    EXPECT_EQ(registry_.GetValue(kJournal + "\\Gamma", "Enabled")->data, DwordBytes(1));
    EXPECT_EQ(Form1->ListBox1->Items->Count(), 3);
    EXPECT_EQ((std::vector<int>{Form1->JournalOn[0], Form1->JournalOn[1], Form1->JournalOn[2]}),
              (std::vector<int>{1, 1, 0}));
    EXPECT_TRUE(::IsWindowVisible(Form1->Handle())) << "the window stays open";
}

TEST_F(MainWindow, EscClosesWithoutWriting) {
    Seed({{"Alpha", 1}});
    Open();
    Form1->JournalOn[0] = 0;
    PressKey(VK_ESCAPE);
    EXPECT_TRUE(vcl::Application->Terminated() || !vcl::Application->HandleMessage());
    EXPECT_EQ(registry_.GetValue(kJournal + "\\Alpha", "Enabled")->data, DwordBytes(1));
}

TEST_F(MainWindow, TitleBarIsABlackToYellowGradientWhileActiveAndToSilverWhileNot) {
    Open();
    HWND window = Form1->Handle();
    auto layout = Form1->MarsCaption1->Layout();
    const vcl::TRect bar = layout.Bar;
    auto check = [&](vcl::TColor end, const char* state) {
        auto bands = marscap::GradientBands(bar.Width(), vcl::clBlack, end, 64);
        int y = bar.Bottom - 2;  // below the text
        for (int band : {0, 1, 20, 40, 62}) {
            int x = bar.Left + (bands[band].Left + bands[band].Right - 1) / 2;
            if (x >= layout.Minimize.Left && x < layout.Close.Right) continue;  // buttons
            if (x >= layout.Icon.Left && x < layout.Icon.Right) continue;
            EXPECT_EQ(WindowPixel(window, x, y), static_cast<COLORREF>(bands[band].Color))
                << state << " band " << band;
        }
    };
    check(vcl::clYellow, "active");
    // Another window, away from the title bar, becomes active: the bar turns
    // black to silver.
    HWND other = ::CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   120, 80, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(Activate(other));
    PumpFor(200);
    check(vcl::clSilver, "inactive");
    ::DestroyWindow(other);
}

}  // namespace
#endif
