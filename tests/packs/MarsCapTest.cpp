// The marsCap title bar: the band maths and the settings a description gives
// (no window system needed), then real windows under Wine whose title-bar
// pixels are read back from the screen and whose buttons get real clicks.
#include "platform/marscap/MarsGradient.h"
#include "platform/marscap/TMarsCaption.h"
#include "platform/vcl/ComponentClasses.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/GdiHandle.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TForm.h"
#include "platform/vcl/TPanel.h"
#include "tests/support/WindowTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using marscap::TCaptionPart;
using marscap::TGradientBand;

class TMarsCapProbe : public vcl::TForm {
public:
    marscap::TMarsCaption* MarsCaption1 = nullptr;

    TMarsCapProbe(vcl::TComponent* owner, std::string_view text = {}, const std::string& source = {})
        : vcl::TForm(owner) {
        Bind("MarsCaption1", MarsCaption1);
        if (text.empty())
            LoadDescription("MarsCapProbe.desc");
        else
            LoadDescriptionText(text, source);
    }
    const char* ClassName() const override { return "TMarsCapProbe"; }
};

constexpr vcl::TColor Grey(int v) { return v | v << 8 | v << 16; }
constexpr vcl::TColor Yellowish(int v) { return v | v << 8; }

// Bands of the program's bar, 338 columns wide (the main window's client
// width) in 64 colours: black to yellow while active, black to silver while not.
struct BandRow {
    int band, left, right;
    vcl::TColor active, inactive;
};
const std::vector<BandRow> kBands338 = {
    {0, 0, 5, Yellowish(0), Grey(0)},          {1, 5, 11, Yellowish(4), Grey(3)},
    {4, 21, 26, Yellowish(16), Grey(12)},      {10, 53, 58, Yellowish(40), Grey(30)},
    {31, 164, 169, Yellowish(125), Grey(94)},  {32, 169, 174, Yellowish(130), Grey(98)},
    {50, 264, 269, Yellowish(202), Grey(152)}, {62, 327, 333, Yellowish(251), Grey(189)},
    {63, 333, 338, Yellowish(255), Grey(192)},
};

// --- arithmetic ------------------------------------------------------------

TEST(MarsGradient, MulDivRoundsHalvesAwayFromZero) {
    struct Case {
        int a, b, c, result;
    };
    const std::vector<Case> cases = {
        {1, 1, 2, 1},      {-1, 1, 2, -1},    {1, -1, 2, -1},     {-1, -1, 2, 1},
        {3, 1, 2, 2},      {-3, 1, 2, -2},    {3, 1, -2, -2},     {5, 1, 4, 1},
        {7, 1, 4, 2},      {-5, 1, 4, -1},    {-7, 1, 4, -2},     {1, 255, 63, 4},
        {31, 255, 63, 125}, {32, 255, 63, 130}, {62, 255, 63, 251}, {1, 192, 63, 3},
        {31, 192, 63, 94}, {32, 192, 63, 98}, {32, -192, 63, -98}, {31, -192, 63, -94},
        {0, -5, 7, 0},     {4, 40, 64, 3},    {12, 40, 64, 8},    {20, 40, 64, 13},
        {INT_MAX, 2, 2, INT_MAX}, {INT_MIN + 1, 3, 3, INT_MIN + 1},
        {INT_MAX, 3, 1, -1},      {5, 5, 0, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.a) + " * " + std::to_string(c.b) + " / " + std::to_string(c.c));
        EXPECT_EQ(marscap::MulDiv(c.a, c.b, c.c), c.result);
#if TRAMVELT_HAS_WINDOWS
        EXPECT_EQ(::MulDiv(c.a, c.b, c.c), c.result) << "differs from the system's MulDiv";
#endif
    }
}

TEST(MarsGradient, ProgramBandsAt338Columns) {
    auto active = marscap::GradientBands(338, vcl::clBlack, vcl::clYellow, 64);
    auto inactive = marscap::GradientBands(338, vcl::clBlack, vcl::clSilver, 64);
    ASSERT_EQ(active.size(), 64u);
    ASSERT_EQ(inactive.size(), 64u);
    for (const BandRow& row : kBands338) {
        SCOPED_TRACE("band " + std::to_string(row.band));
        const TGradientBand& a = active[row.band];
        const TGradientBand& i = inactive[row.band];
        EXPECT_EQ(a.Left, row.left);
        EXPECT_EQ(a.Right, row.right);
        EXPECT_EQ(a.Color, row.active);
        EXPECT_EQ(i.Left, row.left);
        EXPECT_EQ(i.Right, row.right);
        EXPECT_EQ(i.Color, row.inactive);
    }
    EXPECT_EQ(active.front().Color, vcl::clBlack) << "begin colour exactly";
    EXPECT_EQ(active.back().Color, vcl::clYellow) << "end colour exactly";
    EXPECT_EQ(inactive.back().Color, vcl::clSilver);
}

TEST(MarsGradient, BandEdgesForOtherWidths) {
    struct Case {
        int width;
        std::vector<std::pair<int, std::pair<int, int>>> edges;  // band -> [left, right)
    };
    const std::vector<Case> cases = {
        // 10 columns a band.
        {640, {{0, {0, 10}}, {1, {10, 20}}, {31, {310, 320}}, {32, {320, 330}}, {62, {620, 630}}, {63, {630, 640}}}},
        // Narrower than the band count: some bands get no column; 2.5 rounds to 3.
        {40, {{0, {0, 1}}, {1, {1, 1}}, {3, {2, 3}}, {4, {3, 3}}, {31, {19, 20}}, {32, {20, 21}}, {62, {39, 39}}, {63, {39, 40}}}},
        {1, {{0, {0, 0}}, {31, {0, 1}}, {32, {1, 1}}, {63, {1, 1}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("width " + std::to_string(c.width));
        auto bands = marscap::GradientBands(c.width, vcl::clBlack, vcl::clYellow, 64);
        ASSERT_EQ(bands.size(), 64u);
        for (const auto& edge : c.edges) {
            EXPECT_EQ(bands[edge.first].Left, edge.second.first) << "band " << edge.first;
            EXPECT_EQ(bands[edge.first].Right, edge.second.second) << "band " << edge.first;
        }
        // Colours do not depend on the width.
        EXPECT_EQ(bands[32].Color, Yellowish(130));
        // The bands cover the width without gaps or overlaps.
        EXPECT_EQ(bands.front().Left, 0);
        EXPECT_EQ(bands.back().Right, c.width);
        for (std::size_t i = 1; i < bands.size(); ++i) EXPECT_EQ(bands[i].Left, bands[i - 1].Right) << i;
    }
}

TEST(MarsGradient, FallingChannelsAndHalves) {
    // Three bands: the middle one sits exactly half-way in every channel.
    // red 255 -> 0 (-127.5 rounds to -128), green 0 -> 255 (127.5 to 128),
    // blue 11 -> 10 (-0.5 to -1).
    vcl::TColor begin = 0x0B00FF, end = 0x0AFF00;
    auto bands = marscap::GradientBands(9, begin, end, 3);
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0].Color, begin);
    EXPECT_EQ(bands[1].Color, 0x0A807F);
    EXPECT_EQ(bands[2].Color, end);
    EXPECT_EQ(bands[1].Left, 3);
    EXPECT_EQ(bands[1].Right, 6);

    // Yellow back to black over 64 bands.
    auto down = marscap::GradientBands(338, vcl::clYellow, vcl::clBlack, 64);
    EXPECT_EQ(down[1].Color, Yellowish(251));
    EXPECT_EQ(down[31].Color, Yellowish(130));
    EXPECT_EQ(down[32].Color, Yellowish(125));
    EXPECT_EQ(down[62].Color, Yellowish(4));
    EXPECT_EQ(down[63].Color, vcl::clBlack);
}

TEST(MarsGradient, OneBandAndNoBands) {
    auto one = marscap::GradientBands(50, vcl::clNavy, vcl::clYellow, 1);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Left, 0);
    EXPECT_EQ(one[0].Right, 50);
    EXPECT_EQ(one[0].Color, vcl::clNavy);
    // System colours are looked up.
    auto face = marscap::GradientBands(4, vcl::clBtnFace, vcl::clBtnFace, 2);
    EXPECT_EQ(static_cast<std::uint32_t>(face[1].Color), vcl::ColorToRGB(vcl::clBtnFace));
    EXPECT_THROW(marscap::GradientBands(50, vcl::clBlack, vcl::clWhite, 0), vcl::Exception);
}

// --- description -----------------------------------------------------------

TEST(MarsCaptionDescription, ReadsTheProgramsSettings) {
    TMarsCapProbe form(nullptr);
    marscap::TMarsCaption& bar = *form.MarsCaption1;
    EXPECT_STREQ(bar.ClassName(), "TMarsCaption");
    EXPECT_EQ(bar.Name(), "MarsCaption1");
    EXPECT_EQ(bar.Form(), &form);
    EXPECT_EQ(bar.ActiveBeginColor, vcl::clBlack);
    EXPECT_EQ(bar.ActiveEndColor, vcl::clYellow);
    EXPECT_EQ(bar.ActiveFontColor, vcl::clWhite);
    EXPECT_EQ(bar.InactiveBeginColor, vcl::clBlack);
    EXPECT_EQ(bar.InactiveEndColor, vcl::clSilver);
    EXPECT_EQ(bar.InactiveFontColor, vcl::clSilver);
    EXPECT_EQ(bar.NumColors(), 64);
    EXPECT_FALSE(bar.AutoSize);
    EXPECT_EQ(bar.ApplicationName, "");

    vcl::TFont* name = bar.ApplicationNameFont();
    EXPECT_EQ(name->Name, "MS Sans Serif");
    EXPECT_EQ(name->Height, -10);
    EXPECT_EQ(name->Style, unsigned(vcl::fsBold));
    EXPECT_EQ(name->Charset, vcl::DefaultCharset);
    EXPECT_EQ(name->Color, vcl::clWindowText);
    vcl::TFont* caption = bar.CaptionFont();
    EXPECT_EQ(caption->Name, "MS Sans Serif");
    EXPECT_EQ(caption->Height, -11);
    EXPECT_EQ(caption->Style, unsigned(vcl::fsBold));
    EXPECT_EQ(caption->Charset, vcl::AnsiCharset);
    EXPECT_EQ(caption->Color, vcl::clBlack);
}

const char* const kOtherSettings =
    "object MarsCapProbe: TMarsCapProbe\n"
    "  object MarsCaption1: TMarsCaption\n"
    "    ActiveBeginColor = clNavy\n"
    "    ActiveEndColor = 16711680\n"
    "    ActiveFontColor = clYellow\n"
    "    InactiveBeginColor = clGray\n"
    "    InactiveEndColor = clWhite\n"
    "    InactiveFontColor = clBlack\n"
    "    CaptionFont.Name = 'Arial'\n"
    "    CaptionFont.Height = -13\n"
    "    CaptionFont.Style = [fsItalic, fsUnderline]\n"
    "    ApplicationNameFont.Style = []\n"
    "    ApplicationName = 'Mars '\n"
    "    NumColors = 256\n"
    "    AutoSize = true\n"
    "  end\n"
    "end\n";

TEST(MarsCaptionDescription, ReadsOtherValuesAndKeepsDefaultsOfTheRest) {
    TMarsCapProbe form(nullptr, kOtherSettings, "Other.desc");
    marscap::TMarsCaption& bar = *form.MarsCaption1;
    EXPECT_EQ(bar.ActiveBeginColor, vcl::clNavy);
    EXPECT_EQ(bar.ActiveEndColor, vcl::clBlue);
    EXPECT_EQ(bar.ActiveFontColor, vcl::clYellow);
    EXPECT_EQ(bar.InactiveBeginColor, vcl::clGray);
    EXPECT_EQ(bar.InactiveEndColor, vcl::clWhite);
    EXPECT_EQ(bar.InactiveFontColor, vcl::clBlack);
    EXPECT_EQ(bar.CaptionFont()->Name, "Arial");
    EXPECT_EQ(bar.CaptionFont()->Height, -13);
    EXPECT_EQ(bar.CaptionFont()->Style, unsigned(vcl::fsItalic | vcl::fsUnderline));
    EXPECT_EQ(bar.ApplicationNameFont()->Style, 0u);
    EXPECT_EQ(bar.ApplicationNameFont()->Name, "MS Sans Serif") << "default kept";
    EXPECT_EQ(bar.ApplicationName, "Mars ");
    EXPECT_EQ(bar.NumColors(), 256);
    EXPECT_TRUE(bar.AutoSize);
}

TEST(MarsCaptionDescription, BadValuesSayWhatAndWhere) {
    auto with = [](const std::string& line) {
        return "object MarsCapProbe: TMarsCapProbe\n  object MarsCaption1: TMarsCaption\n    " + line +
               "\n  end\nend\n";
    };
    struct Case {
        std::string text, message;
    };
    const std::vector<Case> cases = {
        {with("NumColors = 0"),
         "Bad.desc(3:17): property 'NumColors' of TMarsCaption 'MarsCaption1': expected 1 to 256, found 0"},
        {with("NumColors = 257"), "Bad.desc(3:17): property 'NumColors' of TMarsCaption 'MarsCaption1': expected 1 to 256, found 257"},
        {with("CaptionFont.Weight = 3"), "Bad.desc(3:5): unknown property 'CaptionFont.Weight' of TMarsCaption 'MarsCaption1'"},
        {with("Caption = 'x'"), "Bad.desc(3:5): unknown property 'Caption' of TMarsCaption 'MarsCaption1'"},
        {with("ActiveEndColor = 'gelb'"),
         "Bad.desc(3:22): property 'ActiveEndColor' of TMarsCaption 'MarsCaption1': expected Identifier, found String"},
        {with("AutoSize = 1"), "Bad.desc(3:16): property 'AutoSize' of TMarsCaption 'MarsCaption1': expected Identifier"},
        {with("ApplicationNameFont.Style = [fsHeavy]"),
         "Bad.desc(3:33): property 'ApplicationNameFont.Style' of TMarsCaption 'MarsCaption1': unknown set element 'fsHeavy'"},
        {with("object Inner: TPanel\n    end"), "Bad.desc(2:3): 'MarsCaption1' holds no components"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            TMarsCapProbe form(nullptr, c.text, "Bad.desc");
            ADD_FAILURE() << "loaded";
        } catch (const vcl::EDescriptionError& e) {
            EXPECT_EQ(e.Message().substr(0, c.message.size()), c.message) << e.Message();
        }
    }
}

TEST(MarsCaptionDescription, RegisteredAndOwnedOnlyByForms) {
    const vcl::TComponentFactory* factory = vcl::FindComponentClass("TMarsCaption");
    ASSERT_NE(factory, nullptr);
    vcl::TForm form(nullptr);
    std::unique_ptr<vcl::TComponent> made = (*factory)(&form);
    EXPECT_NE(dynamic_cast<marscap::TMarsCaption*>(made.get()), nullptr);

    EXPECT_THROW(marscap::TMarsCaption(nullptr), vcl::Exception);
    vcl::TPanel panel(&form);
    try {
        marscap::TMarsCaption bar(&panel);
        ADD_FAILURE() << "a panel took a title bar";
    } catch (const vcl::Exception& e) {
        EXPECT_EQ(e.Message(), "A title bar must be owned by a form, not by TPanel");
    }

    auto* bar = static_cast<marscap::TMarsCaption*>(made.get());
    EXPECT_THROW(bar->SetNumColors(0), vcl::Exception);
    EXPECT_THROW(bar->SetNumColors(257), vcl::Exception);
    bar->SetNumColors(2);
    EXPECT_EQ(bar->NumColors(), 2);
}

// --- real windows ------------------------------------------------------------

#if TRAMVELT_HAS_WINDOWS

using namespace testing_support;

std::string Hex(COLORREF c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(c));
    return text;
}

// The screen's pixels inside r (screen coordinates), row by row.
std::vector<COLORREF> Grab(const RECT& r) {
    int width = r.right - r.left, height = r.bottom - r.top;
    vcl::TWindowDC screen(nullptr);
    vcl::TMemoryDC memory;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    vcl::TGdiObject<HBITMAP> bitmap(::CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    HGDIOBJ old = ::SelectObject(memory.Get(), bitmap.Get());
    ::BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    ::SelectObject(memory.Get(), old);
    ::GdiFlush();
    std::vector<COLORREF> pixels(static_cast<std::size_t>(width) * height);
    const auto* source = static_cast<const DWORD*>(bits);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        DWORD bgr = source[i];
        pixels[i] = RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
    }
    return pixels;
}

class MarsCaptionWindow : public ::testing::Test {
protected:
    void SetUp() override { Open(); }
    void TearDown() override {
        other_.reset();
        form_.reset();
        PumpFor(50);
    }

    // A new probe window, shown and active.
    void Open() {
        if (form_) {
            form_.reset();
            PumpFor(300);  // focus changes of the old window arrive late
        }
        closes_ = 0;
        form_ = std::make_unique<TMarsCapProbe>(nullptr);
        form_->AddMessageHook([this](vcl::TMessage& message) {
            if (message.Msg == WM_CLOSE) ++closes_;
            return false;
        });
        form_->Show();
        window_ = form_->Handle();
        ASSERT_TRUE(PumpUntil([&] { return BarShows(true); })) << Hex(BottomPixel(kBands338.back()));
    }

    // Another window, away from the probe's title bar, made active.
    void ActivateOther() {
        other_ = std::make_unique<vcl::TForm>(nullptr);
        other_->SetCaption("Andere");
        other_->SetClientSize(200, 80);
        other_->SetBounds(500, 420, other_->Width(), other_->Height());
        other_->Show();
    }

    marscap::TCaptionLayout Layout() const { return form_->MarsCaption1->Layout(); }
    POINT ToScreen(int x, int y) const {
        RECT r;
        ::GetWindowRect(window_, &r);
        return POINT{r.left + x, r.top + y};
    }
    POINT Centre(const vcl::TRect& r) const { return ToScreen((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
    RECT ScreenRect(const vcl::TRect& r) const {
        POINT a = ToScreen(r.Left, r.Top);
        return RECT{a.x, a.y, a.x + r.Width(), a.y + r.Height()};
    }
    // Column of the window where band row's centre lies.
    int BandX(const BandRow& row) const { return Layout().Bar.Left + (row.left + row.right) / 2; }
    COLORREF BottomPixel(const BandRow& row) const {
        return WindowPixel(window_, BandX(row), Layout().Bar.Bottom - 1);
    }
    static COLORREF Expected(const BandRow& row, bool active) {
        return static_cast<COLORREF>(active ? row.active : row.inactive);
    }
    // The last band and one near the left end, on the bar's bottom row.
    bool BarShows(bool active) const {
        return BottomPixel(kBands338.back()) == Expected(kBands338.back(), active) &&
               BottomPixel(kBands338[2]) == Expected(kBands338[2], active);
    }

    // Every band of the table clear of the icon, at the centre of the band on
    // the bar's top and bottom rows (above and below text and buttons), and in
    // the middle row where nothing else is drawn (right of the text, left of
    // the buttons); and the exact first and last column of bands 31 and 32.
    void ExpectBands(bool active) const {
        marscap::TCaptionLayout layout = Layout();
        int middle = (layout.Bar.Top + layout.Bar.Bottom) / 2;
        int textEnd = TextInk(active ? vcl::clWhite : vcl::clSilver).rightmost;
        for (const BandRow& row : kBands338) {
            if (layout.Bar.Left + row.right <= layout.Icon.Right) continue;
            SCOPED_TRACE("band " + std::to_string(row.band));
            COLORREF expected = Expected(row, active);
            int x = BandX(row);
            EXPECT_EQ(Hex(WindowPixel(window_, x, layout.Bar.Top)), Hex(expected)) << "top row";
            EXPECT_EQ(Hex(WindowPixel(window_, x, layout.Bar.Bottom - 1)), Hex(expected)) << "bottom row";
            if ((row.band == 31 || row.band == 32 || row.band == 50) && layout.Bar.Left + row.left > textEnd + 1) {
                EXPECT_EQ(Hex(WindowPixel(window_, x, middle)), Hex(expected)) << "middle row";
            }
            if (row.band == 31 || row.band == 32) {
                EXPECT_EQ(Hex(WindowPixel(window_, layout.Bar.Left + row.left, layout.Bar.Bottom - 1)), Hex(expected));
                EXPECT_EQ(Hex(WindowPixel(window_, layout.Bar.Left + row.right - 1, layout.Bar.Bottom - 1)), Hex(expected));
            }
        }
    }

    struct Ink {
        int count = 0;
        int rightmost = -1;  // window column
    };
    // Pixels of exactly colour in the text area.
    Ink TextInk(vcl::TColor colour) const {
        marscap::TCaptionLayout layout = Layout();
        std::vector<COLORREF> pixels = Grab(ScreenRect(layout.Text));
        Ink ink;
        int width = layout.Text.Width();
        for (std::size_t i = 0; i < pixels.size(); ++i)
            if (pixels[i] == static_cast<COLORREF>(colour)) {
                ++ink.count;
                ink.rightmost = std::max(ink.rightmost, layout.Text.Left + static_cast<int>(i % width));
            }
        return ink;
    }
    int Count(const vcl::TRect& area, COLORREF colour) const {
        int count = 0;
        for (COLORREF pixel : Grab(ScreenRect(area))) count += pixel == colour;
        return count;
    }
    // Paints the whole bar black behind the component's back.
    void Scribble() {
        vcl::TWindowDC dc(window_, true);
        RECT bar = RECT{Layout().Bar.Left, Layout().Bar.Top, Layout().Bar.Right, Layout().Bar.Bottom};
        ::FillRect(dc.Get(), &bar, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ASSERT_TRUE(PumpUntil([&] { return BottomPixel(kBands338.back()) == 0; }));
    }

    std::unique_ptr<TMarsCapProbe> form_;
    std::unique_ptr<vcl::TForm> other_;
    HWND window_ = nullptr;
    int closes_ = 0;
};

TEST_F(MarsCaptionWindow, LayoutFollowsTheSystemCaption) {
    marscap::TCaptionLayout layout = Layout();
    RECT outer;
    ::GetWindowRect(window_, &outer);
    POINT client = ClientToScreenPoint(window_, 0, 0);
    int caption = ::GetSystemMetrics(SM_CYCAPTION);
    // The bar spans the client width above the client area, less the line under it.
    EXPECT_EQ(layout.Bar, vcl::Rect(client.x - outer.left, client.y - outer.top - caption, client.x - outer.left + 338,
                                    client.y - outer.top - 1));
    EXPECT_EQ(layout.Caption.Bottom, client.y - outer.top);
    int height = caption - 1;
    EXPECT_EQ(layout.Icon, vcl::Rect(layout.Bar.Left, layout.Bar.Top, layout.Bar.Left + height, layout.Bar.Top + height))
        << "the icon is as high as the bar, at its left end";
    EXPECT_GT(layout.Text.Left, layout.Icon.Right);
    // From the right: close, maximise, minimise, each the system's button size.
    int width = ::GetSystemMetrics(SM_CXSIZE) - 2;
    for (const vcl::TRect* button : {&layout.Close, &layout.Maximize, &layout.Minimize}) {
        EXPECT_EQ(button->Width(), width);
        EXPECT_GE(button->Top, layout.Bar.Top);
        EXPECT_LE(button->Bottom, layout.Bar.Bottom);
    }
    EXPECT_LE(layout.Close.Right, layout.Bar.Right);
    EXPECT_LE(layout.Maximize.Right, layout.Close.Left);
    EXPECT_LE(layout.Minimize.Right, layout.Maximize.Left);
    EXPECT_LE(layout.Text.Right, layout.Minimize.Left);
}

TEST_F(MarsCaptionWindow, ActiveBarShowsTheBandsAndWhiteText) {
    EXPECT_TRUE(form_->MarsCaption1->DrawnActive());
    ExpectBands(true);
    Ink white = TextInk(vcl::clWhite);
    EXPECT_GT(white.count, 20) << "caption text in ActiveFontColor";
    EXPECT_EQ(TextInk(vcl::clSilver).count, 0);
    EXPECT_EQ(TextInk(vcl::clBlack).count, 0) << "the caption font's own colour is not used";
}

TEST_F(MarsCaptionWindow, InactiveBarShowsItsBandsAndSilverText) {
    ActivateOther();
    ASSERT_TRUE(PumpUntil([&] { return BarShows(false); })) << Hex(BottomPixel(kBands338.back()));
    EXPECT_FALSE(form_->MarsCaption1->DrawnActive());
    ExpectBands(false);
    EXPECT_GT(TextInk(vcl::clSilver).count, 20) << "caption text in InactiveFontColor";
    EXPECT_EQ(TextInk(vcl::clWhite).count, 0);

    form_->Show();  // active again
    ASSERT_TRUE(PumpUntil([&] { return BarShows(true); })) << Hex(BottomPixel(kBands338.back()));
    ExpectBands(true);
    EXPECT_GT(TextInk(vcl::clWhite).count, 20);
    EXPECT_EQ(TextInk(vcl::clSilver).count, 0);
}

TEST_F(MarsCaptionWindow, DrawsTheStateTheActivationMessageGives) {
    ::SendMessageA(window_, WM_NCACTIVATE, FALSE, 0);
    ASSERT_EQ(::GetActiveWindow(), window_) << "still the active window";
    ASSERT_TRUE(PumpUntil([&] { return BarShows(false); })) << Hex(BottomPixel(kBands338.back()));
    ExpectBands(false);
    EXPECT_GT(TextInk(vcl::clSilver).count, 20);
    ::SendMessageA(window_, WM_NCACTIVATE, TRUE, 0);
    ASSERT_TRUE(PumpUntil([&] { return BarShows(true); })) << Hex(BottomPixel(kBands338.back()));
    ExpectBands(true);
}

TEST_F(MarsCaptionWindow, PaintsAgainAfterTheDefaultProcedureDraws) {
    struct Case {
        const char* what;
        std::function<void()> action;
    };
    const std::vector<Case> cases = {
        {"frame painted", [&] { ::RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW); }},
        {"caption text set", [&] { form_->SetCaption("Tramvelt Journaleinstellungen"); }},
        {"icon set", [&] {
             ::SendMessageA(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(vcl::Application->Icon()));
         }},
        {"activated again", [&] { ::SendMessageA(window_, WM_NCACTIVATE, TRUE, 0); }},
        {"click on the frame", [&] {
             RECT outer;
             ::GetWindowRect(window_, &outer);
             POINT border{outer.left + 1, (outer.top + outer.bottom) / 2};
             ASSERT_EQ(::SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(border.x, border.y)), HTBORDER);
             Click(border);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Scribble();
        c.action();
        ASSERT_TRUE(PumpUntil([&] { return BarShows(true); })) << Hex(BottomPixel(kBands338.back()));
        ExpectBands(true);
        EXPECT_GT(TextInk(vcl::clWhite).count, 20);
    }
    // The new caption is drawn, further to the right than the old one.
    int longer = TextInk(vcl::clWhite).rightmost;
    form_->SetCaption("Tramvelt");
    ASSERT_TRUE(PumpUntil([&] { return TextInk(vcl::clWhite).rightmost < longer; }));
    EXPECT_LT(TextInk(vcl::clWhite).rightmost, longer - 50);
}

TEST_F(MarsCaptionWindow, HitTestsNameTheParts) {
    marscap::TCaptionLayout layout = Layout();
    int middle = (layout.Bar.Top + layout.Bar.Bottom) / 2;
    struct Case {
        const char* what;
        POINT at;
        LRESULT code;
    };
    const std::vector<Case> cases = {
        {"bar", ToScreen(BandX(kBands338[6]), middle), HTCAPTION},
        {"bar behind the text", ToScreen(layout.Text.Left + 5, middle), HTCAPTION},
        {"between maximise and close", ToScreen(layout.Close.Left - 1, middle), HTCAPTION},
        {"icon", Centre(layout.Icon), HTSYSMENU},
        {"minimise", Centre(layout.Minimize), HTMINBUTTON},
        {"maximise", Centre(layout.Maximize), HTMAXBUTTON},
        {"close", Centre(layout.Close), HTCLOSE},
        {"above the close button", ToScreen(layout.Close.Left + 2, layout.Bar.Top), HTCLOSE},
        {"line under the bar, right end", ToScreen(layout.Close.Right - 1, layout.Caption.Bottom - 1), HTCLOSE},
        {"client area", ClientToScreenPoint(window_, 100, 60), HTCLIENT},
    };
    for (const Case& c : cases) {
        LRESULT code = ::SendMessageA(window_, WM_NCHITTEST, 0, MAKELPARAM(c.at.x, c.at.y));
        EXPECT_EQ(code, c.code) << c.what;
    }
}

TEST_F(MarsCaptionWindow, ButtonsAndIconDoWhatTheyShow) {
    struct Case {
        const char* what;
        TCaptionPart part;
        bool doubleClick;
        int closes;
        bool iconic, visible;
    };
    const std::vector<Case> cases = {
        {"close", TCaptionPart::Close, false, 1, false, false},
        {"disabled maximise", TCaptionPart::Maximize, false, 0, false, true},
        {"double click on the icon", TCaptionPart::Icon, true, 1, false, false},
        {"single click on the icon", TCaptionPart::Icon, false, 0, false, true},
        {"minimise", TCaptionPart::Minimize, false, 0, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open();
        marscap::TCaptionLayout layout = Layout();
        const vcl::TRect& part = c.part == TCaptionPart::Close      ? layout.Close
                                 : c.part == TCaptionPart::Minimize ? layout.Minimize
                                 : c.part == TCaptionPart::Maximize ? layout.Maximize
                                                                    : layout.Icon;
        RECT before;
        ::GetWindowRect(window_, &before);
        ASSERT_EQ(::GetForegroundWindow(), window_);
        if (c.doubleClick)
            DoubleClick(Centre(part));
        else
            Click(Centre(part));
        PumpUntil([&] { return closes_ != c.closes || (::IsIconic(window_) != FALSE) != c.iconic; }, 300);
        PumpUntil([&] { return closes_ == c.closes && (::IsIconic(window_) != FALSE) == c.iconic; }, 2000);
        EXPECT_EQ(closes_, c.closes);
        EXPECT_EQ(::IsIconic(window_) != FALSE, c.iconic);
        EXPECT_EQ(::IsWindowVisible(window_) != FALSE, c.visible);
        EXPECT_FALSE(::IsZoomed(window_));
        if (c.visible && !c.iconic) {
            RECT after;
            ::GetWindowRect(window_, &after);
            EXPECT_TRUE(::EqualRect(&before, &after)) << "window not moved or resized";
            ExpectBands(true);
        }
        if (c.iconic) ::ShowWindow(window_, SW_RESTORE);
        PumpFor(600);  // no double click with the next case
    }
}

TEST_F(MarsCaptionWindow, APressShowsTheButtonPushedAndOnlyAReleaseOverItActs) {
    marscap::TCaptionLayout layout = Layout();
    std::vector<COLORREF> up = Grab(ScreenRect(layout.Close));
    POINT close = Centre(layout.Close), minimise = Centre(layout.Minimize);
    // The top-left corner of a raised button is light, of a pushed one dark.
    COLORREF corner = WindowPixel(window_, layout.Close.Left, layout.Close.Top);

    MoveMouse(close);
    MouseButton(close, true);
    ASSERT_TRUE(PumpUntil([&] { return Grab(ScreenRect(layout.Close)) != up; })) << "pushed look";
    EXPECT_EQ(form_->MarsCaption1->PressedPart(), TCaptionPart::Close);
    COLORREF pushedCorner = WindowPixel(window_, layout.Close.Left, layout.Close.Top);
    EXPECT_NE(Hex(pushedCorner), Hex(corner));
    EXPECT_LT(GetRValue(pushedCorner) + GetGValue(pushedCorner) + GetBValue(pushedCorner),
              GetRValue(corner) + GetGValue(corner) + GetBValue(corner));

    // Moved off while held: raised again; released over minimise: nothing.
    MoveMouse(minimise);
    ASSERT_TRUE(PumpUntil([&] { return Grab(ScreenRect(layout.Close)) == up; })) << "raised again";
    MouseButton(minimise, false);
    PumpFor(300);
    EXPECT_EQ(form_->MarsCaption1->PressedPart(), TCaptionPart::None);
    EXPECT_EQ(closes_, 0);
    EXPECT_FALSE(::IsIconic(window_));
    EXPECT_TRUE(::IsWindowVisible(window_));

    // Pressed, moved off and back, released over it: closes.
    MoveMouse(close);
    MouseButton(close, true);
    MoveMouse(minimise);
    MoveMouse(close);
    ASSERT_TRUE(PumpUntil([&] { return Grab(ScreenRect(layout.Close)) != up; }));
    EXPECT_EQ(closes_, 0) << "nothing happens before the release";
    MouseButton(close, false);
    ASSERT_TRUE(PumpUntil([&] { return closes_ == 1 && !::IsWindowVisible(window_); }));
}

TEST_F(MarsCaptionWindow, MaximiseIsDrawnDisabledWithoutItsBorderIcon) {
    marscap::TCaptionLayout layout = Layout();
    COLORREF text = ::GetSysColor(COLOR_BTNTEXT);
    EXPECT_GT(Count(layout.Minimize, text), 0) << "enabled glyph";
    EXPECT_GT(Count(layout.Close, text), 0) << "enabled glyph";
    EXPECT_EQ(Count(layout.Maximize, text), 0) << "no enabled glyph";
    // The disabled glyph is there, only lighter: nothing as dark as the
    // enabled glyphs, but pixels that are not the button face.
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    int drawn = 0, dark = 0;
    for (COLORREF pixel : Grab(ScreenRect(layout.Maximize))) {
        drawn += pixel != face;
        dark += GetRValue(pixel) < 0x40 && GetGValue(pixel) < 0x40 && GetBValue(pixel) < 0x40;
    }
    EXPECT_GT(drawn, 20) << "edges and glyph";
    EXPECT_EQ(dark, 0);
}

TEST_F(MarsCaptionWindow, NewSettingsShowOnTheNextPaint) {
    marscap::TMarsCaption& bar = *form_->MarsCaption1;
    int plain = TextInk(vcl::clWhite).rightmost;
    bar.ActiveBeginColor = vcl::clNavy;
    bar.ActiveEndColor = vcl::clRed;
    bar.ApplicationName = "Mars ";
    bar.SetNumColors(2);
    marscap::TCaptionLayout layout = Layout();
    int bottom = layout.Bar.Bottom - 1;
    ASSERT_TRUE(PumpUntil([&] { return WindowPixel(window_, layout.Bar.Right - 3, bottom) == RGB(255, 0, 0); }));
    // Two bands: navy on the left half, red on the right half.
    int half = layout.Bar.Left + 169;
    EXPECT_EQ(Hex(WindowPixel(window_, half - 1, bottom)), Hex(RGB(0, 0, 128)));
    EXPECT_EQ(Hex(WindowPixel(window_, half, bottom)), Hex(RGB(255, 0, 0)));
    EXPECT_GT(TextInk(vcl::clWhite).rightmost, plain + 15) << "application name before the caption";
}

#endif  // TRAMVELT_HAS_WINDOWS

}  // namespace

