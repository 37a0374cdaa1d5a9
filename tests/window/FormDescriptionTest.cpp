// Building forms from descriptions: layout and binding, and the messages of
// descriptions that cannot be loaded. Needs no window system.
#include "platform/vcl/Exception.h"
#include "platform/vcl/Resources.h"
#include "tests/window/ProbeForm.h"

#include <gtest/gtest.h>

#include <string>

namespace {

vcl::TRect Bounds(const vcl::TControl& c) { return c.BoundsRect(); }

TEST(FormDescription, BuildsControlsBindsMembersAndAligns) {
    TProbeForm form(nullptr);
    EXPECT_EQ(form.Name(), "ProbeForm");
    EXPECT_EQ(form.Caption(), "Probe");
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_EQ(form.ClientHeight(), 150);
    EXPECT_FALSE(form.Visible()) << "forms are created hidden";
    EXPECT_EQ(Bounds(*form.Top), vcl::Rect(0, 0, 200, 40));
    EXPECT_EQ(Bounds(*form.Bottom), vcl::Rect(0, 120, 200, 150));
    EXPECT_EQ(Bounds(*form.Right), vcl::Rect(110, 0, 200, 30));
    EXPECT_EQ(Bounds(*form.List), vcl::Rect(0, 40, 200, 120));
    EXPECT_EQ(Bounds(*form.Picture), vcl::Rect(4, 4, 13, 13)) << "sized to its 9 x 9 picture";
    EXPECT_EQ(form.Picture->Parent(), form.Top);
    EXPECT_EQ(form.Ok->Parent(), form.Right);
    EXPECT_EQ(form.Ok->Caption(), "OK");
    EXPECT_TRUE(form.Ok->Default);
    EXPECT_TRUE(form.Quit->Cancel);
    // Fonts pass down to controls without their own.
    EXPECT_EQ(form.Ok->Font()->Height, -10);
    EXPECT_EQ(form.Ok->Font()->Name, "MS Sans Serif");
    // Tab order: siblings by TabOrder, depth first.
    auto tabs = form.TabList();
    ASSERT_EQ(tabs.size(), 3u);
    EXPECT_EQ(tabs[0], form.List);
    EXPECT_EQ(tabs[1], form.Quit);
    EXPECT_EQ(tabs[2], form.Ok);
    // Handlers are bound to events.
    form.Ok->Click();
    form.Picture->Click();
    EXPECT_EQ(form.events, (std::vector<std::string>{"OkClick", "PictureClick"}));
}

TEST(FormDescription, ComponentsAreOwnedByTheFormAndDestroyedWithIt) {
    auto* form = new TProbeForm(nullptr);
    EXPECT_EQ(form->ComponentCount(), 7);
    EXPECT_EQ(form->Component(0), form->Top);
    delete form;  // under the sanitizers, a double free or leak would show here
}

TEST(FormDescription, MissingResourceNamesTheFile) {
    try {
        TProbeForm form(nullptr, "NoSuchForm.desc");
        FAIL() << "no exception";
    } catch (const vcl::EResNotFound& e) {
        EXPECT_EQ(e.Message(), "Resource NoSuchForm.desc not found");
    }
}

std::string Probe(const std::string& body) {
    return "object ProbeForm: TProbeForm\n"
           "  object Top: TPanel\n"
           "    object Picture: TImage\n"
           "    end\n"
           "  end\n"
           "  object Bottom: TPanel\n"
           "    object Right: TPanel\n"
           "      object Ok: TButton\n"
           "      end\n"
           "      object Quit: TButton\n"
           "      end\n"
           "    end\n"
           "  end\n"
           "  object List: TListBox\n" +
           body +
           "  end\n"
           "end\n";
}

TEST(FormDescription, BadDescriptionsSayWhatAndWhere) {
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"object ProbeForm: TProbeForm\n  Caption = \n", "Bad.desc(2:12): "},
        {"object ProbeForm: TOther\nend\n", "Bad.desc(1:1): the description is of TOther, not of TProbeForm"},
        {Probe("    Colour = clRed\n"), "Bad.desc(15:5): unknown property 'Colour' of TListBox 'List'"},
        {Probe("    Left = 'ten'\n"),
         "Bad.desc(15:12): property 'Left' of TListBox 'List': expected Integer, found String"},
        {Probe("    Align = alMiddle\n"),
         "Bad.desc(15:13): property 'Align' of TListBox 'List': unknown value 'alMiddle'"},
        {Probe("    Font.Style = [fsBold, fsWide]\n"),
         "Bad.desc(15:18): property 'Font.Style' of TListBox 'List': unknown set element 'fsWide'"},
        {Probe("    OnClick = NoSuchHandler\n"),
         "Bad.desc(15:15): property 'OnClick' of TListBox 'List': handler 'NoSuchHandler' has no "
         "matching member in TProbeForm"},
        {Probe("    OnDrawItem = OkClick\n"),
         "Bad.desc(15:18): property 'OnDrawItem' of TListBox 'List': handler 'OkClick' of "
         "TProbeForm does not fit this event"},
        {Probe("    object Extra: TButton\n    end\n"),
         "Bad.desc(15:5): component 'Extra' (TButton) has no matching member in TProbeForm"},
        {Probe("    object Ok2: TSlider\n    end\n"),
         "Bad.desc(15:5): unknown component class 'TSlider' of 'Ok2'"},
        {"object ProbeForm: TProbeForm\n  object Top: TPanel\n  end\nend\n",
         "Bad.desc: member 'Bottom' of TProbeForm has no component in the description"},
        {"object ProbeForm: TProbeForm\n  object Top: TButton\n  end\nend\n",
         "Bad.desc(2:3): member 'Top' of TProbeForm is not of class TButton"},
        {"object ProbeForm: TProbeForm\n  object Top: TPanel\n    object Picture: TImage\n"
         "      object List: TListBox\n      end\n    end\n  end\nend\n",
         "Bad.desc(4:7): 'List' cannot be placed on 'Picture', which holds no controls"},
        {Probe("    Picture = 'Missing.bmp'\n"), "Bad.desc(15:5): unknown property 'Picture' of TListBox 'List'"},
        {"object ProbeForm: TProbeForm\n  object Top: TPanel\n    object Picture: TImage\n"
         "      Picture = 'Missing.bmp'\n    end\n  end\nend\n",
         "Bad.desc(4:17): property 'Picture' of TImage 'Picture': Resource Missing.bmp not found"},
        {"object ProbeForm: TProbeForm\n  object Top: TPanel\n    object Picture: TImage\n"
         "      Picture = 'ProbeForm.desc'\n    end\n  end\nend\n",
         "Bad.desc(4:17): property 'Picture' of TImage 'Picture': Bitmap image is not valid: "
         "ProbeForm.desc (no bitmap file header)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            TProbeForm form(nullptr, c.text, "Bad.desc");
            ADD_FAILURE() << "loaded";
        } catch (const vcl::EDescriptionError& e) {
            EXPECT_EQ(e.Message().substr(0, c.message.size()), c.message) << e.Message();
        }
    }
}

}  // namespace
