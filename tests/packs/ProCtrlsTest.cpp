// The ProCtrls pack: start-up (classes and cursors), line layout, description
// loading, and under Wine real painting and mouse input on the labels.
#include "platform/proctrls/ProCtrls.h"
#include "platform/proctrls/TProLabel.h"
#include "platform/proctrls/TProUrlLabel.h"
#include "platform/vcl/ComponentClasses.h"
#include "platform/vcl/Exception.h"
#include "platform/vcl/GdiHandle.h"
#include "platform/vcl/Resources.h"
#include "platform/vcl/TApplication.h"
#include "platform/vcl/TForm.h"
#include "platform/vcl/TImage.h"
#include "platform/vcl/TPanel.h"
#include "platform/vcl/TScreen.h"
#include "tests/support/WindowTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using proctrls::TProLabel;
using proctrls::TProUrlLabel;

// The form of fixtures/ProCtrlsProbe.desc.
class TProCtrlsProbe : public vcl::TForm {
public:
    TProLabel* Lines = nullptr;
    TProLabel* Wrapped = nullptr;
    TProLabel* Aligned = nullptr;
    vcl::TPanel* Backdrop = nullptr;
    TProLabel* SeeThrough = nullptr;
    TProLabel* Filled = nullptr;
    vcl::TImage* Picture = nullptr;
    TProLabel* OverPicture = nullptr;
    vcl::TPanel* LinkBar = nullptr;
    TProUrlLabel* Link = nullptr;
    std::vector<std::string> events;

    explicit TProCtrlsProbe(vcl::TComponent* owner) : vcl::TForm(owner) {
        BindAll();
        LoadDescription("ProCtrlsProbe.desc");
    }
    TProCtrlsProbe(vcl::TComponent* owner, std::string_view text, const std::string& source)
        : vcl::TForm(owner) {
        BindAll();
        LoadDescriptionText(text, source);
    }
    const char* ClassName() const override { return "TProCtrlsProbe"; }

    void LinesClick(vcl::TObject*) { events.push_back("LinesClick"); }
    void LinkClick(vcl::TObject*) { events.push_back("LinkClick"); }

private:
    void BindAll() {
        Bind("Lines", Lines);
        Bind("Wrapped", Wrapped);
        Bind("Aligned", Aligned);
        Bind("Backdrop", Backdrop);
        Bind("SeeThrough", SeeThrough);
        Bind("Filled", Filled);
        Bind("Picture", Picture);
        Bind("OverPicture", OverPicture);
        Bind("LinkBar", LinkBar);
        Bind("Link", Link);
        BindHandler("LinesClick", &TProCtrlsProbe::LinesClick);
        BindHandler("LinkClick", &TProCtrlsProbe::LinkClick);
    }
};

// Replaces TProUrlLabel::ShellOpen with a recorder while it lives.
struct ShellCall {
    HWND owner;
    std::string verb;
    std::string target;
    int show;
};

class ShellRecorder {
public:
    ShellRecorder() : saved_(TProUrlLabel::ShellOpen) {
        Calls().clear();
        TProUrlLabel::ShellOpen = [](HWND owner, const char* verb, const std::string& target, int show) {
            Calls().push_back(ShellCall{owner, verb, target, show});
        };
    }
    ~ShellRecorder() { TProUrlLabel::ShellOpen = saved_; }
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;
    static std::vector<ShellCall>& Calls() {
        static std::vector<ShellCall> calls;
        return calls;
    }

private:
    TProUrlLabel::TShellOpen saved_;
};

// --- start-up ----------------------------------------------------------------

// These two run first, before any label exists (a label's constructor would
// start the pack too): what they find was set up before main.
TEST(ProCtrlsPack, ClassesAreRegisteredWithoutTheProgramCallingAnything) {
    for (const char* name : {"TProLabel", "TProUrlLabel"}) {
        SCOPED_TRACE(name);
        const vcl::TComponentFactory* factory = vcl::FindComponentClass(name);
        ASSERT_NE(factory, nullptr);
        std::unique_ptr<vcl::TComponent> component = (*factory)(nullptr);
        EXPECT_STREQ(component->ClassName(), name);
        EXPECT_NE(dynamic_cast<TProLabel*>(component.get()), nullptr);
    }
}

#if TRAMVELT_HAS_WINDOWS
TEST(ProCtrlsPack, CursorsAreInTheScreenTableBeforeMainWithTheirHotSpots) {
    struct Case {
        vcl::TCursor number;
        const char* resource;
        DWORD hotX, hotY;
    };
    const Case cases[] = {
        {15000, "PRO_HANDPOINT", 5, 0},      {15001, "PRO_SMALLHANDPOINT", 13, 9},
        {15002, "PRO_GRABHAND", 4, 2},       {15003, "PRO_GRABHANDARROW", 4, 2},
        {15004, "PRO_DRAGHAND", 8, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.resource);
        ASSERT_TRUE(vcl::Screen->HasCursor(c.number));
        HCURSOR cursor = vcl::Screen->CursorHandle(c.number);
        ASSERT_NE(cursor, nullptr);
        // Cursors from resources are shared: loading again gives the same handle.
        EXPECT_EQ(cursor, ::LoadCursorA(::GetModuleHandleA(nullptr), c.resource));
        ICONINFO info{};
        ASSERT_TRUE(::GetIconInfo(cursor, &info));
        vcl::TGdiObject<HBITMAP> mask(info.hbmMask), colour(info.hbmColor);
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, c.hotX);
        EXPECT_EQ(info.yHotspot, c.hotY);
    }
}
#else
TEST(ProCtrlsPack, NoCursorsWithoutAWindowSystem) {
    for (vcl::TCursor number = 15000; number <= 15004; ++number)
        EXPECT_FALSE(vcl::Screen->HasCursor(number)) << number;
}
#endif

// --- line layout ---------------------------------------------------------------

TEST(ProCtrlsLayout, LineFeedsStartLinesAndWordWrapBreaksBetweenWords) {
    // Every character 6 pixels wide.
    auto measure = [](const std::string& text) { return 6 * static_cast<int>(text.size()); };
    using Lines = std::vector<std::string>;
    struct Case {
        std::string text;
        bool wrap;
        int width;
        Lines lines;
    };
    const Case cases[] = {
        {"", false, 60, {""}},
        {"a b c d e f", false, 12, {"a b c d e f"}},
        {"ab\ncd", false, 60, {"ab", "cd"}},
        {"ab\r\ncd\n", false, 60, {"ab", "cd", ""}},
        {"a\n\nb", true, 60, {"a", "", "b"}},
        {"Eins zwei drei", true, 60, {"Eins zwei", "drei"}},
        {"ab cd\nef gh", true, 30, {"ab cd", "ef gh"}},
        {"abc def", true, 42, {"abc def"}},
        {"abc def", true, 41, {"abc", "def"}},
        {"ab   cd", true, 18, {"ab", "cd"}},
        {"abc   ", true, 18, {"abc"}},
        {"  ab cd", true, 30, {"  ab", "cd"}},
        {"abcdefghij kl", true, 24, {"abcd", "efgh", "ij", "kl"}},
        {"x abcdefgh", true, 24, {"x", "abcd", "efgh"}},
        {"abc", true, 0, {"a", "b", "c"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("'" + c.text + "' width " + std::to_string(c.width));
        EXPECT_EQ(proctrls::LayoutLines(c.text, c.wrap, c.width, measure), c.lines);
    }
}

// --- descriptions --------------------------------------------------------------

TEST(ProCtrlsDescription, LabelPropertiesAreRead) {
    TProCtrlsProbe form(nullptr);
    EXPECT_EQ(form.Lines->Caption(), "Erste Zeile\nZweite Zeile");
    EXPECT_FALSE(form.Lines->WordWrap());
    EXPECT_FALSE(form.Lines->Transparent());
    EXPECT_EQ(form.Lines->Alignment(), vcl::TAlignment::taLeftJustify);
    EXPECT_EQ(form.Lines->Hint, "Zwei Zeilen");
    EXPECT_TRUE(form.Lines->ShowHint);
    EXPECT_EQ(form.Lines->Font()->Color, vcl::clGreen);
    EXPECT_EQ(form.Lines->Font()->Name, "MS Sans Serif");
    EXPECT_EQ(form.Lines->BoundsRect(), vcl::Rect(8, 8, 158, 56));
    EXPECT_TRUE(form.Lines->ParentColor);
    EXPECT_EQ(form.Lines->Color(), vcl::clWhite) << "takes the form's colour";
    EXPECT_TRUE(form.Wrapped->WordWrap());
    EXPECT_EQ(form.Aligned->Alignment(), vcl::TAlignment::taRightJustify);
    EXPECT_TRUE(form.SeeThrough->Transparent());
    EXPECT_EQ(form.SeeThrough->Color(), vcl::clRed);
    EXPECT_EQ(form.Filled->Color(), vcl::clSilver);
    EXPECT_FALSE(form.Filled->ParentColor);
    EXPECT_EQ(form.Filled->Caption(), "Gef\xFCllt") << "code page 1252";
    EXPECT_EQ(form.OverPicture->Font()->Color, 0x00FF00);
    EXPECT_EQ(form.OverPicture->Font()->Height, -16);
    EXPECT_STREQ(form.Link->ClassName(), "TProUrlLabel");
    EXPECT_EQ(form.Link->Parent(), form.LinkBar);
    EXPECT_EQ(form.Link->Color(), vcl::clWhite) << "through the panel from the form";
    EXPECT_EQ(form.Link->URL, "http://www.example.com/");
    EXPECT_EQ(form.Link->Caption(), "http://www.example.com/");
    EXPECT_EQ(form.Link->Cursor, proctrls::crProSmallHandPoint);
    EXPECT_EQ(form.Link->Font()->Style, vcl::fsUnderline);
    EXPECT_EQ(form.Link->Font()->Color, vcl::clBlue);
    EXPECT_FALSE(form.Link->Visited());
    form.Lines->Click();
    EXPECT_EQ(form.events, (std::vector<std::string>{"LinesClick"}));
}

TEST(ProCtrlsDescription, BadValuesSayWhatAndWhere) {
    const std::string fixture(vcl::FindResourceData("ProCtrlsProbe.desc"));
    const std::size_t aligned = fixture.find("object Aligned: TProLabel");
    ASSERT_NE(aligned, std::string::npos);
    struct Case {
        std::string from, to;  // a line of Aligned and its replacement
        std::string message;   // after "Bad.desc(<line>:"
    };
    const Case cases[] = {
        {"Alignment = taRightJustify", "Alignment = taMiddle",
         "17): property 'Alignment' of TProLabel 'Aligned': unknown value 'taMiddle'"},
        {"Font.Color = clBlack", "WordWrap = 1",
         "16): property 'WordWrap' of TProLabel 'Aligned': expected Identifier, found Integer"},
        {"Font.Color = clBlack", "Transparent = 'yes'",
         "19): property 'Transparent' of TProLabel 'Aligned': expected Identifier, found String"},
        {"Caption = 'Mitte'", "Caption = clBlue",
         "15): property 'Caption' of TProLabel 'Aligned': expected String, found Identifier"},
        {"Caption = 'Mitte'", "URL = 'http://www.example.com/'",
         "5): unknown property 'URL' of TProLabel 'Aligned'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.to);
        const std::size_t at = fixture.find(c.from, aligned);
        ASSERT_NE(at, std::string::npos);
        const int line = static_cast<int>(std::count(fixture.begin(), fixture.begin() + at, '\n')) + 1;
        std::string text = fixture;
        text.replace(at, c.from.size(), c.to);
        try {
            TProCtrlsProbe form(nullptr, text, "Bad.desc");
            ADD_FAILURE() << "loaded";
        } catch (const vcl::EDescriptionError& e) {
            EXPECT_EQ(e.Message(), "Bad.desc(" + std::to_string(line) + ":" + c.message);
        }
    }
}

// --- the link's click without a window -------------------------------------------

TEST(ProCtrlsUrlLabel, ClickMarksVisitedOpensTheUrlAndRaisesOnClick) {
    ShellRecorder recorder;
    TProCtrlsProbe form(nullptr);
    form.Link->Click();
    ASSERT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(recorder.Calls()[0].owner, nullptr) << "the form has no window yet";
    EXPECT_EQ(recorder.Calls()[0].verb, "open");
    EXPECT_EQ(recorder.Calls()[0].target, "http://www.example.com/");
    EXPECT_EQ(recorder.Calls()[0].show, 5) << "SW_SHOW";
    EXPECT_TRUE(form.Link->Visited());
    EXPECT_EQ(form.events, (std::vector<std::string>{"LinkClick"}));
    // Without a URL there is nothing to open.
    form.Link->URL.clear();
    form.Link->Click();
    EXPECT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(form.events.size(), 2u);
}

}  // namespace

// --- real windows ------------------------------------------------------------------

#if TRAMVELT_HAS_WINDOWS
namespace {

using namespace testing_support;

// The pixels of a rectangle of a window's client area, read from the screen in
// one go.
class Pixels {
public:
    Pixels(HWND window, const vcl::TRect& rect) : width_(rect.Width()), height_(rect.Height()) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        void* bits = nullptr;
        vcl::TMemoryDC memory;
        vcl::TGdiObject<HBITMAP> bitmap(
            ::CreateDIBSection(memory.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        if (!bitmap) throw vcl::Exception("CreateDIBSection failed");
        HGDIOBJ old = ::SelectObject(memory.Get(), bitmap.Get());
        POINT origin = ClientToScreenPoint(window, rect.Left, rect.Top);
        {
            vcl::TWindowDC screen(nullptr);
            ::BitBlt(memory.Get(), 0, 0, width_, height_, screen.Get(), origin.x, origin.y, SRCCOPY);
        }
        ::GdiFlush();
        const auto* data = static_cast<const std::uint32_t*>(bits);
        pixels_.resize(static_cast<std::size_t>(width_) * height_);
        for (std::size_t i = 0; i < pixels_.size(); ++i) {
            std::uint32_t p = data[i];  // 0x00RRGGBB
            pixels_[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
        ::SelectObject(memory.Get(), old);
    }
    int Width() const { return width_; }
    int Height() const { return height_; }
    COLORREF At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

private:
    int width_, height_;
    std::vector<COLORREF> pixels_;
};

// A label's pixels as its parent shows them.
Pixels LabelPixels(TProLabel& label) { return Pixels(label.Parent()->Handle(), label.BoundsRect()); }

int Channel(COLORREF c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

// Whether c is background and colour mixed, as at antialiased edges of text.
// Channels that rise from background to colour all go the same fraction of the
// way, and so do those that fall (the two fractions may differ); channels that
// are the same in both stay.
bool IsMix(COLORREF c, COLORREF background, COLORREF colour) {
    for (int direction : {1, -1}) {
        double fraction = -1;
        int span = 0;
        for (int shift : {0, 8, 16}) {
            int d = Channel(colour, shift) - Channel(background, shift);
            if (d * direction <= 0) continue;
            double t = double(Channel(c, shift) - Channel(background, shift)) / d;
            if (t < -0.02 || t > 1.02) return false;
            if (fraction < 0 || std::abs(d) > span) {
                // The widest channel fixes the fraction; others may round.
                if (fraction >= 0 && std::abs(t - fraction) * span > 8) return false;
                fraction = t;
                span = std::abs(d);
            } else if (std::abs(t - fraction) * std::abs(d) > 8) {
                return false;
            }
        }
    }
    for (int shift : {0, 8, 16})
        if (Channel(colour, shift) == Channel(background, shift) &&
            std::abs(Channel(c, shift) - Channel(background, shift)) > 2)
            return false;
    return true;
}

// Text drawn over a background: the pixels that differ from it.
struct Ink {
    int count = 0;
    int exact = 0;  // pixels in the text colour itself
    std::vector<COLORREF> foreign;  // neither background, text colour nor a mix of them
    vcl::TRect box{1 << 20, 1 << 20, -1, -1};  // right and bottom exclusive
    bool Empty() const { return count == 0; }
    // All in the text colour: some pure, the rest at its edges.
    bool InColour() const { return count > 20 && exact >= 5 && foreign.empty(); }
};

std::string Describe(const Ink& ink) {
    std::string text = std::to_string(ink.count) + " pixels, " + std::to_string(ink.exact) +
                       " in the text colour, " + std::to_string(ink.foreign.size()) + " foreign:";
    char buffer[16];
    for (std::size_t i = 0; i < ink.foreign.size() && i < 8; ++i) {
        std::snprintf(buffer, sizeof buffer, " %06lX", static_cast<unsigned long>(ink.foreign[i]));
        text += buffer;
    }
    return text;
}

using Background = std::function<COLORREF(int x, int y)>;

// The ink in rows top to bottom (-1: to the end) of text in colour.
Ink FindInk(const Pixels& pixels, const Background& background, COLORREF colour, int top = 0,
            int bottom = -1) {
    if (bottom < 0) bottom = pixels.Height();
    Ink ink;
    for (int y = top; y < bottom && y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            COLORREF c = pixels.At(x, y), behind = background(x, y);
            if (c == behind) continue;
            ++ink.count;
            if (c == colour)
                ++ink.exact;
            else if (!IsMix(c, behind, colour))
                ink.foreign.push_back(c);
            ink.box.Left = std::min(ink.box.Left, x);
            ink.box.Top = std::min(ink.box.Top, y);
            ink.box.Right = std::max(ink.box.Right, x + 1);
            ink.box.Bottom = std::max(ink.box.Bottom, y + 1);
        }
    return ink;
}

Ink FindInk(const Pixels& pixels, COLORREF background, COLORREF colour, int top = 0, int bottom = -1) {
    return FindInk(pixels, [background](int, int) { return background; }, colour, top, bottom);
}

COLORREF Rgb(vcl::TColor color) { return static_cast<COLORREF>(vcl::ColorToRGB(color)); }

// Text metrics of a label's font on a memory context.
struct FontMeasure {
    vcl::TMemoryDC dc;
    vcl::TCanvas canvas;
    explicit FontMeasure(TProLabel& label) {
        canvas.SetHandle(dc.Get());
        canvas.Font->Assign(*label.Font());
    }
    ~FontMeasure() { canvas.SetHandle(nullptr); }
    int LineHeight() { return canvas.TextExtent("Wg").Y; }
    int Width(const std::string& text) { return canvas.TextExtent(text).X; }
};

class ProCtrlsWindow : public ::testing::Test {
protected:
    ~ProCtrlsWindow() override {
        vcl::Application->DestroyForms();
        vcl::Application->ProcessMessages();
    }
    TProCtrlsProbe* ShowProbe() {
        TProCtrlsProbe* form = nullptr;
        vcl::Application->CreateForm(form);
        form->Show();
        EXPECT_TRUE(PumpUntil(
            [&] { return ::IsWindowVisible(form->Handle()) && ::GetActiveWindow() == form->Handle(); }));
        PumpFor(100);
        return form;
    }
    // Waits until the label's pixels satisfy done.
    static bool WaitForPixels(TProLabel& label, const std::function<bool(const Pixels&)>& done) {
        return PumpUntil([&] { return done(LabelPixels(label)); }, 2000);
    }
    static POINT ScreenPoint(TProLabel& label, int x, int y) {
        return ClientToScreenPoint(label.Parent()->Handle(), label.Left() + x, label.Top() + y);
    }
};

TEST_F(ProCtrlsWindow, TextIsDrawnInTheFontColourAndALineFeedStartsANewLine) {
    TProCtrlsProbe* form = ShowProbe();
    TProLabel& label = *form->Lines;
    FontMeasure font(label);
    const int h = font.LineHeight();
    ASSERT_GT(h, 8);
    ASSERT_LE(3 * h, label.Height());
    Pixels pixels = LabelPixels(label);
    const COLORREF white = Rgb(vcl::clWhite), green = Rgb(vcl::clGreen);
    Ink all = FindInk(pixels, white, green);
    EXPECT_TRUE(all.InColour()) << Describe(all);
    // The block read agrees with single pixels, on ink and between letters.
    HWND window = label.Parent()->Handle();
    EXPECT_EQ(pixels.At(all.box.Left, all.box.Top),
              ClientPixel(window, label.Left() + all.box.Left, label.Top() + all.box.Top));
    EXPECT_EQ(pixels.At(label.Width() - 1, label.Height() - 1),
              ClientPixel(window, label.Left() + label.Width() - 1, label.Top() + label.Height() - 1));
    Ink first = FindInk(pixels, white, green, 0, h);
    Ink second = FindInk(pixels, white, green, h, 2 * h);
    Ink below = FindInk(pixels, white, green, 2 * h);
    ASSERT_FALSE(first.Empty());
    ASSERT_FALSE(second.Empty()) << "the line feed starts a second line";
    EXPECT_TRUE(below.Empty()) << Describe(below);
    EXPECT_LE(first.box.Right, font.Width("Erste Zeile") + 1) << "no glyph drawn for the line feed";
    EXPECT_LE(second.box.Left, 1) << "the new line starts at the left edge";
    EXPECT_GE(second.box.Right, font.Width("Zweite Zeile") - 2);
}

TEST_F(ProCtrlsWindow, WordWrapBreaksLinesWiderThanTheLabel) {
    TProCtrlsProbe* form = ShowProbe();
    TProLabel& label = *form->Wrapped;
    FontMeasure font(label);
    const int h = font.LineHeight();
    const COLORREF white = Rgb(vcl::clWhite), maroon = Rgb(vcl::clMaroon);
    auto measure = [&](const std::string& text) { return font.Width(text); };
    const std::vector<std::string> lines =
        proctrls::LayoutLines(label.Caption(), true, label.Width(), measure);
    ASSERT_GE(lines.size(), 2u);
    ASSERT_LE(static_cast<int>(lines.size() + 1) * h, label.Height()) << "room below the last line";

    Pixels wrapped = LabelPixels(label);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i) + " '" + lines[i] + "'");
        Ink ink = FindInk(wrapped, white, maroon, static_cast<int>(i) * h, static_cast<int>(i + 1) * h);
        EXPECT_TRUE(ink.InColour()) << Describe(ink);
        EXPECT_LE(ink.box.Left, 1);
        EXPECT_LE(ink.box.Right, measure(lines[i]) + 1);
        EXPECT_GE(ink.box.Right, measure(lines[i]) - 3) << "the whole line is drawn";
    }
    EXPECT_TRUE(FindInk(wrapped, white, maroon, static_cast<int>(lines.size()) * h).Empty());

    // The same caption unwrapped stays on one line, cut off at the right edge.
    label.SetWordWrap(false);
    ASSERT_TRUE(WaitForPixels(label, [&](const Pixels& p) { return FindInk(p, white, maroon, h).Empty(); }));
    Ink one = FindInk(LabelPixels(label), white, maroon);
    EXPECT_TRUE(one.InColour()) << Describe(one);
    EXPECT_GE(one.box.Right, label.Width() - 4);
}

TEST_F(ProCtrlsWindow, AlignmentPlacesTheTextLeftRightOrCentred) {
    TProCtrlsProbe* form = ShowProbe();
    TProLabel& label = *form->Aligned;
    const COLORREF white = Rgb(vcl::clWhite), black = Rgb(vcl::clBlack);
    const int width = label.Width();
    struct Case {
        vcl::TAlignment alignment;
        const char* name;
        std::function<bool(const Ink&)> placed;
    };
    const Case cases[] = {
        {vcl::TAlignment::taLeftJustify, "left",
         [width](const Ink& ink) { return ink.box.Left <= 1 && ink.box.Right < width - 20; }},
        {vcl::TAlignment::taRightJustify, "right",
         [width](const Ink& ink) { return ink.box.Right >= width - 2 && ink.box.Left > 20; }},
        {vcl::TAlignment::taCenter, "centre",
         [width](const Ink& ink) {
             int left = ink.box.Left, right = width - ink.box.Right;
             return left > 20 && right > 20 && std::abs(left - right) <= 3;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        label.SetAlignment(c.alignment);
        EXPECT_TRUE(WaitForPixels(label, [&](const Pixels& p) {
            Ink ink = FindInk(p, white, black);
            return ink.InColour() && c.placed(ink);
        })) << Describe(FindInk(LabelPixels(label), white, black));
    }
}

TEST_F(ProCtrlsWindow, TransparentLabelShowsItsBackgroundAnOpaqueOneFillsWithItsColour) {
    TProCtrlsProbe* form = ShowProbe();
    struct Case {
        TProLabel* label;
        vcl::TColor background;  // between the letters
    };
    const Case cases[] = {
        {form->SeeThrough, vcl::clYellow},  // the panel's; its own colour, red, is never painted
        {form->Filled, vcl::clSilver},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label->Name());
        Pixels pixels = LabelPixels(*c.label);
        Ink ink = FindInk(pixels, Rgb(c.background), Rgb(vcl::clBlue));
        EXPECT_TRUE(ink.InColour()) << Describe(ink);
        EXPECT_LT(ink.count, pixels.Width() * pixels.Height() / 3);
    }
}

TEST_F(ProCtrlsWindow, TransparentLabelOverAPictureLeavesThePictureBetweenTheLetters) {
    TProCtrlsProbe* form = ShowProbe();
    TProLabel& label = *form->OverPicture;
    const COLORREF lime = Rgb(label.Font()->Color);
    auto noText = [&](const Pixels& p) {
        for (int y = 0; y < p.Height(); ++y)
            for (int x = 0; x < p.Width(); ++x)
                if (p.At(x, y) == lime) return false;
        return true;
    };
    label.SetVisible(false);
    ASSERT_TRUE(WaitForPixels(label, noText));
    Pixels picture = LabelPixels(label);
    // Mostly other than its corner's colour: a fill of one colour would show.
    Ink variety = FindInk(picture, picture.At(0, 0), lime);
    EXPECT_GT(variety.count, picture.Width() * picture.Height() / 2);

    auto behind = [&](int x, int y) { return picture.At(x, y); };
    label.SetVisible(true);
    ASSERT_TRUE(WaitForPixels(label, [&](const Pixels& p) { return !noText(p); }));
    Ink shown = FindInk(LabelPixels(label), behind, lime);
    EXPECT_TRUE(shown.InColour()) << Describe(shown);
    EXPECT_GT(shown.box.Bottom - shown.box.Top, 20) << "two lines of text";
    // Repainting the label alone paints the picture behind it first.
    label.SetCaption("Senf\ndazu");
    label.Repaint();
    PumpFor(100);
    Ink repainted = FindInk(LabelPixels(label), behind, lime);
    EXPECT_TRUE(repainted.InColour()) << Describe(repainted);
    EXPECT_NE(repainted.count, shown.count) << "the new caption is drawn";
}

// --- the link ---------------------------------------------------------------------

class ProCtrlsLink : public ProCtrlsWindow {
protected:
    // Waits until the link's text is drawn in colour.
    static bool TextColourBecomes(TProUrlLabel& link, vcl::TColor colour) {
        return WaitForPixels(
            link, [&](const Pixels& p) { return FindInk(p, Rgb(vcl::clWhite), Rgb(colour)).InColour(); });
    }
    static std::string Shown(TProUrlLabel& link, vcl::TColor colour) {
        return Describe(FindInk(LabelPixels(link), Rgb(vcl::clWhite), Rgb(colour)));
    }
    ShellRecorder recorder;
};

TEST_F(ProCtrlsLink, BlueThenRedWhileHeldThenNavyAndOpensTheUrlOnceOnRelease) {
    TProCtrlsProbe* form = ShowProbe();
    TProUrlLabel& link = *form->Link;
    const POINT inside = ScreenPoint(link, link.Width() / 2, link.Height() / 2);
    const POINT outside = ScreenPoint(link, link.Width() / 2, link.Height() + 30);
    EXPECT_TRUE(TextColourBecomes(link, vcl::clBlue)) << Shown(link, vcl::clBlue);

    MoveMouse(inside);
    const HCURSOR smallHand = ::LoadCursorA(::GetModuleHandleA(nullptr), "PRO_SMALLHANDPOINT");
    EXPECT_TRUE(PumpUntil([&] { return ::GetCursor() == smallHand; }, 2000)) << "the link's cursor, 15001";
    MouseButton(inside, true);
    EXPECT_TRUE(TextColourBecomes(link, vcl::clRed)) << Shown(link, vcl::clRed);
    EXPECT_TRUE(recorder.Calls().empty()) << "nothing opens on the press";
    MouseButton(inside, false);
    EXPECT_TRUE(TextColourBecomes(link, vcl::clNavy)) << Shown(link, vcl::clNavy);
    ASSERT_EQ(recorder.Calls().size(), 1u);
    const ShellCall& call = recorder.Calls()[0];
    EXPECT_EQ(call.owner, form->Handle()) << "the form's window, not the panel's";
    EXPECT_EQ(call.verb, "open");
    EXPECT_EQ(call.target, "http://www.example.com/");
    EXPECT_EQ(call.show, SW_SHOW);
    EXPECT_EQ(form->events, (std::vector<std::string>{"LinkClick"}));

    // Visited stays navy; a second press is red again, and released outside opens nothing.
    MouseButton(inside, true);
    EXPECT_TRUE(TextColourBecomes(link, vcl::clRed)) << Shown(link, vcl::clRed);
    MoveMouse(outside);
    MouseButton(outside, false);
    EXPECT_TRUE(TextColourBecomes(link, vcl::clNavy)) << Shown(link, vcl::clNavy);
    EXPECT_EQ(recorder.Calls().size(), 1u);
    EXPECT_EQ(form->events.size(), 1u);
}

TEST_F(ProCtrlsLink, NoUrlOpensForAReleaseOutsideOrTheRightButton) {
    struct Step {
        bool outside;
        bool down;
        bool right;
    };
    struct Case {
        const char* name;
        std::vector<Step> steps;
        vcl::TColor whileDown;  // text colour after the first step
    };
    const Case cases[] = {
        {"left press released outside", {{false, true, false}, {true, false, false}}, vcl::clRed},
        {"right click", {{false, true, true}, {false, false, true}}, vcl::clBlue},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TProCtrlsProbe* form = ShowProbe();
        TProUrlLabel& link = *form->Link;
        const POINT inside = ScreenPoint(link, link.Width() / 2, link.Height() / 2);
        const POINT outside = ScreenPoint(link, link.Width() / 2, link.Height() + 30);
        recorder.Calls().clear();
        MoveMouse(inside);
        for (std::size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            POINT at = step.outside ? outside : inside;
            MoveMouse(at);
            MouseButton(at, step.down, step.right);
            if (i == 0) {
                EXPECT_TRUE(TextColourBecomes(link, c.whileDown)) << Shown(link, c.whileDown);
            }
        }
        PumpFor(100);
        EXPECT_TRUE(TextColourBecomes(link, vcl::clBlue)) << "not visited: " << Shown(link, vcl::clBlue);
        EXPECT_TRUE(recorder.Calls().empty());
        EXPECT_EQ(form->events, std::vector<std::string>{});
        EXPECT_FALSE(link.Visited());
        vcl::Application->DestroyForms();
        vcl::Application->ProcessMessages();
    }
}

}  // namespace
#endif
