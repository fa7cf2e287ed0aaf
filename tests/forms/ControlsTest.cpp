// Standard controls: work lists, input passing through disabled labels, keys, stacking of
// windowless controls, lines, and events held back while a window is built.
#include "platform/forms/Forms.h"
#include "platform/forms/TestClock.h"
#include "platform/forms/Testing.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using namespace qby;

namespace {

class Lesson : public Form {
public:
    Lesson() : Form("frmLESSON")
    {
        picImage1.Click.Handle([this] { log.push_back("picture click"); });
        picImage1.KeyUp.Handle([this](int& code, int) { log.push_back("key up " + std::to_string(code)); });
        lblWORDS.Click.Handle([this] { log.push_back("label click"); });
        lblWORDS.Change.Handle([this] { log.push_back("label change"); });
        lblTOP.Click.Handle([this] { log.push_back("top label click"); });
        picCOVER.Click.Handle([this] { log.push_back("cover click"); });
    }

    PictureBox picImage1{this, "picImage1"};
    Label lblWORDS{this, "lblWORDS"};
    ListBox lstLIST{this, "lstLIST"};
    Label lblTOP{this, "lblTOP"};
    PictureBox picCOVER{this, "picCOVER"};
    Line lneLine1{this, "lneLine1"};
    Frame cfram{this, "cfram"};
    Label lblINFRAME{this, "lblINFRAME"};
    std::vector<std::string> log;

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .ClientWidth = 6000, .ClientHeight = 4500, .BackColor = vbWhite});
        d.Add(picImage1, {.Left = 0, .Top = 0, .Width = 2100, .Height = 585, .BorderStyle = 0,
                          .ScaleMode = vbPixels});
        // Disabled, so that input over the caption reaches the picture surface.
        d.Add(lblWORDS, {.Container = picImage1, .Left = 3, .Top = 9, .Width = 135, .Height = 22,
                         .Enabled = false, .Caption = "   ", .BackStyle = vbTransparent});
        d.Add(lstLIST, {.Left = -6000, .Top = 0, .Width = 1200, .Height = 1200, .Visible = false});
        // A label laid over a picture box still lies below it: windowless controls stay below.
        d.Add(picCOVER, {.Left = 3000, .Top = 0, .Width = 1500, .Height = 1500, .BorderStyle = 0,
                         .BackColor = vbGreen});
        d.Add(lblTOP, {.Left = 2700, .Top = 300, .Width = 1500, .Height = 600, .Caption = "over",
                       .BackStyle = vbOpaque, .BackColor = vbRed});
        d.Add(lneLine1, {.X1 = 135, .Y1 = 3000, .X2 = 1635, .Y2 = 3000, .BorderColor = 0xDB7028});
        d.Add(cfram, {.Left = 3000, .Top = 2400, .Width = 2400, .Height = 1500, .Caption = ""});
        d.Add(lblINFRAME, {.Container = cfram, .Left = 150, .Top = 150, .Width = 600, .Height = 300,
                           .Caption = "in", .BackStyle = vbOpaque, .BackColor = vbBlue});
    }
};

TEST(Controls, AHiddenListBoxKeepsAWorkListOfStrings)
{
    Lesson lesson;
    ListBox& list = lesson.lstLIST;
    list.AddItem("Cat");
    list.AddItem("Dog");
    list.AddItem("Ant", 0);
    EXPECT_EQ(list.ListCount(), 3);
    EXPECT_EQ(list.List(0), "Ant");
    EXPECT_EQ(list.List(2), "Dog");
    EXPECT_EQ(list.List(3), "");   // out of range reads empty
    EXPECT_EQ(list.List(-1), "");
    list.RemoveItem(1);
    list.RemoveItem(7);            // out of range changes nothing
    EXPECT_EQ(list.ListCount(), 2);
    EXPECT_EQ(list.List(1), "Dog");
    list.ListIndex(1);
    EXPECT_EQ(list.Text(), "Dog");
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_FALSE(test::IsShownOnScreen(list));
    lesson.Unload();
    // The list is part of the window: a new load starts empty.
    lesson.lstLIST.AddItem("x");
    lesson.Unload();
    EXPECT_EQ(lesson.lstLIST.ListCount(), 0);
    lesson.Unload();
}

TEST(Controls, InputOverADisabledLabelReachesTheSurfaceBelowIt)
{
    Lesson lesson;
    lesson.Show();
    test::MouseClick(lesson.lblWORDS, 10, 5);
    EXPECT_EQ(lesson.log, (std::vector<std::string>{"picture click"}));
    lesson.lblWORDS.Enabled(true);
    test::MouseClick(lesson.lblWORDS, 10, 5);
    EXPECT_EQ(lesson.log.back(), "label click");
    lesson.Unload();
}

TEST(Controls, WindowlessControlsStayBelowWindowedOnes)
{
    Lesson lesson;
    lesson.Show();
    // The red label's right half lies under the green picture box.
    const test::Snapshot shot = test::Grab(lesson);
    EXPECT_EQ(shot.Point(185, 30), vbRed);
    EXPECT_EQ(shot.Point(205, 30), vbGreen);
    test::MouseClick(lesson.picCOVER, 5, 25);
    EXPECT_EQ(lesson.log, (std::vector<std::string>{"cover click"}));
    // Within the frame, its own label lies at the frame's corner plus its place.
    EXPECT_EQ(shot.Point(200 + 10 + 36, 160 + 10 + 17), vbBlue);  // clear of the text "in"
    lesson.Unload();
}

TEST(Controls, KeysReachThePictureBoxWithTheFocus)
{
    Lesson lesson;
    lesson.Show();
    test::KeyClick(lesson.picImage1, 'A');
    test::KeyClick(lesson.picImage1, 13);
    EXPECT_EQ(lesson.log, (std::vector<std::string>{"key up 65", "key up 13"}));
    lesson.Unload();
}

TEST(Controls, ALineControlDrawsBetweenItsEnds)
{
    Lesson lesson;
    lesson.Show();
    const test::Snapshot shot = test::Grab(lesson);
    EXPECT_EQ(shot.Point(9, 200), 0xDB7028);
    EXPECT_EQ(shot.Point(60, 200), 0xDB7028);
    EXPECT_EQ(shot.Point(60, 202), vbWhite);
    EXPECT_EQ(shot.Point(120, 200), vbWhite);
    lesson.lneLine1.Y2(3600);
    EXPECT_EQ(lesson.lneLine1.Y2(), 3600);
    lesson.Unload();
}

TEST(Controls, NoEventRunsWhileTheWindowIsBuiltFromItsDesign)
{
    Lesson lesson;
    lesson.Load();
    EXPECT_TRUE(lesson.log.empty());  // the design's caption raised no Change
    lesson.lblWORDS.Caption("Apple");
    EXPECT_EQ(lesson.log, (std::vector<std::string>{"label change"}));
    lesson.Unload();
}

TEST(Controls, AFailingHandlerStopsThereAndTheRuntimeGoesOn)
{
    Lesson lesson;
    lesson.picImage1.Click.Handle([] { throw std::runtime_error("missing resource"); });
    lesson.Show();
    test::MouseClick(lesson.picImage1, 5, 5);
    test::MouseClick(lesson.picCOVER, 5, 5);
    EXPECT_EQ(lesson.log, (std::vector<std::string>{"cover click"}));
    lesson.Unload();
}

TEST(Controls, AHandlerThatUnloadsItsOwnWindowEndsTheClickSafely)
{
    Lesson lesson;
    lesson.picImage1.Click.Handle([&] {
        lesson.Unload();
        lesson.log.push_back("after unload");
    });
    lesson.Show();
    test::MouseClick(lesson.picImage1, 5, 5);
    EXPECT_FALSE(lesson.IsLoaded());
    EXPECT_EQ(lesson.log, (std::vector<std::string>{"after unload"}));
    test::ProcessEvents();
}

class Tip : public Form {
public:
    Tip() : Form("frmTIP") {}
    Label lblTIP{this, "lblTIP"};
    int resizes = 0;
    int framesDrawn = 0;

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .ShowInTaskbar = false, .BackColor = vbInfoBackground});
        d.Add(lblTIP, {.Left = 45, .Top = 45, .AutoSize = true, .BackStyle = vbTransparent,
                       .ForeColor = vbInfoText, .FontName = "Tahoma", .FontSize = 8.25});
    }
    void Form_Resize() override
    {
        ++resizes;
        Cls();
        ScaleMode(vbPixels);
        const double w = ScaleWidth();
        const double h = ScaleHeight();
        DrawLine(0, 0, w, 0, vbWindowFrame);
        DrawLine(0, 0, 0, h, vbWindowFrame);
        DrawLine(w - 1, 0, w - 1, h, vbWindowFrame);
        DrawLine(0, h - 1, w, h - 1, vbWindowFrame);
        ScaleMode(vbTwips);
        ++framesDrawn;
    }
};

TEST(Controls, AHiddenWindowSizedByCodeGetsResizeAndKeepsItsDrawing)
{
    Tip tip;
    tip.lblTIP.Caption("Go to next");
    const double width = tip.lblTIP.Width() + 2 * 3 * 15;
    const double height = tip.lblTIP.Height() + 2 * 3 * 15;
    tip.Move(1500, 1500, width, height);
    EXPECT_FALSE(tip.Visible());
    EXPECT_EQ(tip.resizes, 1);
    tip.Move(1500, 3000);  // moving alone is no resize
    EXPECT_EQ(tip.resizes, 1);
    EXPECT_EQ(tip.ScaleMode(), vbTwips);
    const int w = static_cast<int>(width / 15);
    const int h = static_cast<int>(height / 15);
    const std::uint32_t frame = ColorToRgb(vbWindowFrame);
    const test::Snapshot shot = test::Grab(tip);
    EXPECT_EQ(ColorToRgb(static_cast<OLE_COLOR>(shot.Point(0, 0))), frame);
    EXPECT_EQ(ColorToRgb(static_cast<OLE_COLOR>(shot.Point(w - 1, h / 2))), frame);
    EXPECT_EQ(ColorToRgb(static_cast<OLE_COLOR>(shot.Point(w / 2, h - 1))), frame);
    EXPECT_EQ(ColorToRgb(static_cast<OLE_COLOR>(shot.Point(1, h / 2))), ColorToRgb(vbInfoBackground));
    tip.Unload();
}

class Quitter : public Form {
public:
    Quitter() : Form("frmQUIT") { tmrEND.Tick.Handle([this] { Unload(); }); }
    Timer tmrEND{this, "tmrEND"};

protected:
    void Layout(Design& d) override { d.Add(tmrEND, {.Enabled = true, .Interval = 1}); }
};

TEST(MessageLoop, ReturnsWhenTheLastWindowHasUnloaded)
{
    ASSERT_FALSE(TestClock::Installed());
    Quitter quitter;
    quitter.Show();
    RunMessageLoop();  // the window's own timer unloads it
    EXPECT_FALSE(quitter.IsLoaded());
    RunMessageLoop();  // nothing loaded: returns at once
}

}  // namespace
