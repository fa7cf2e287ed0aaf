// What windows show: background pictures, colours, labels that size themselves, shapes,
// and drawing with DrawLine and Print.
#include "platform/forms/Forms.h"
#include "platform/forms/Testing.h"

#include <gtest/gtest.h>

#include <string>

using namespace qby;

namespace {

constexpr OLE_COLOR kFrameBlue = 0xDB7028;

class Page : public Form {
public:
    Page() : Form("frmPAGE") { lblTITLE.Change.Handle([this] { ++changes; }); }

    Label lblTITLE{this, "lblTITLE"};
    Label lblSENTENCE{this, "lblSENTENCE"};
    Label lblBAND{this, "lblBAND"};
    Shape shpFRAME{this, "shpFRAME"};
    PictureBox picMAIN{this, "picMAIN"};
    int changes = 0;

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .ClientWidth = 3000, .ClientHeight = 3000, .BackColor = vbBlue});
        d.Add(lblTITLE, {.Left = 855, .Top = 150, .Width = 100, .Height = 100, .Caption = "A",
                         .AutoSize = true, .BackStyle = vbTransparent, .ForeColor = vbBlack,
                         .FontName = "Comic Sans MS", .FontSize = 12});
        d.Add(lblSENTENCE, {.Left = 150, .Top = 600, .Width = 1500, .Height = 300, .Caption = "An apple.",
                            .AutoSize = true, .WordWrap = true, .BackStyle = vbTransparent,
                            .FontName = "Comic Sans MS", .FontSize = 15.75});
        d.Add(lblBAND, {.Left = 1800, .Top = 1800, .Width = 600, .Height = 300, .Caption = "",
                        .BackStyle = vbOpaque, .BackColor = vbYellow});
        d.Add(shpFRAME, {.Left = 1500, .Top = 150, .Width = 1200, .Height = 600, .BorderColor = vbRed,
                         .BorderWidth = 4});
        d.Add(picMAIN, {.Left = 150, .Top = 2250, .Width = 600, .Height = 600, .BorderStyle = 0,
                        .BackColor = vbWhite});
    }
};

std::uint32_t rgbAt(const test::Snapshot& shot, int x, int y)
{
    const std::int64_t bgr = shot.Point(x, y);
    return ColorToRgb(static_cast<OLE_COLOR>(bgr));
}

TEST(Colours, AreBlueGreenRedInTheProgramAndSystemColoursComeFromThePalette)
{
    EXPECT_EQ(ColorToRgb(vbYellow), 0xFFFF00u);  // &HFFFF
    EXPECT_EQ(ColorToRgb(0xFF0000), 0x0000FFu);  // &HFF0000 is blue
    EXPECT_EQ(ColorToRgb(0xDB7028), 0x2870DBu);
    EXPECT_EQ(RGB(0x28, 0x70, 0xDB), 0xDB7028u);

    Page page;
    page.Show();
    const test::Snapshot shot = test::Grab(page);
    EXPECT_EQ(rgbAt(shot, 125, 125), 0xFFFF00u);  // inside the opaque yellow label
    EXPECT_EQ(rgbAt(shot, 5, 195), 0x0000FFu);    // the form's blue background
    page.BackColor(vbInfoBackground);
    page.lblBAND.BackColor(vbWindowBackground);
    const test::Snapshot system = test::Grab(page);
    EXPECT_EQ(rgbAt(system, 5, 195), ColorToRgb(vbInfoBackground));
    EXPECT_EQ(rgbAt(system, 125, 125), ColorToRgb(vbWindowBackground));
    EXPECT_NE(ColorToRgb(vbInfoBackground), ColorToRgb(0x18));
    page.Unload();
}

TEST(Drawing, ABackgroundPictureLiesAtTheTopLeftAtItsOwnSize)
{
    class Plain : public Form {
    public:
        Plain() : Form("frmPLAIN") {}

    protected:
        void Layout(Design& d) override
        {
            d.Window({.BorderStyle = vbBSNone, .ClientWidth = 1500, .ClientHeight = 1500, .BackColor = vbBlue});
        }
    } form;
    form.Picture(Picture::Filled(30, 20, vbRed));
    form.Show();
    const test::Snapshot shot = test::Grab(form);
    ASSERT_EQ(shot.width, 100);
    ASSERT_EQ(shot.height, 100);
    EXPECT_EQ(rgbAt(shot, 0, 0), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 29, 19), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 30, 0), 0x0000FFu);   // not stretched to the window
    EXPECT_EQ(rgbAt(shot, 0, 20), 0x0000FFu);
    EXPECT_EQ(rgbAt(shot, 99, 99), 0x0000FFu);
    EXPECT_EQ(form.Point(29 * 15, 19 * 15), vbRed);
    form.Unload();
}

TEST(Drawing, TransparentLabelsShowWhatLiesBehindThem)
{
    Page page;
    page.lblTITLE.Caption("");
    page.Show();
    const test::Snapshot shot = test::Grab(page);
    // The title label covers (57, 10) but draws no background.
    EXPECT_EQ(rgbAt(shot, 57, 11), 0x0000FFu);
    page.Unload();
}

TEST(Labels, AutoSizeGrowsToTheRightFromTheLeftEdge)
{
    Page page;
    const double left = page.lblTITLE.Left();
    const double shortWidth = page.lblTITLE.Width();
    const double lineHeight = page.lblTITLE.Height();
    EXPECT_GT(shortWidth, 0);
    page.lblTITLE.Caption("Learn the Alphabet");
    EXPECT_EQ(page.lblTITLE.Left(), left);
    EXPECT_GT(page.lblTITLE.Width(), 4 * shortWidth);
    EXPECT_EQ(page.lblTITLE.Height(), lineHeight);
    page.lblTITLE.Caption("A");
    EXPECT_EQ(page.lblTITLE.Width(), shortWidth);
    // Only a change of text raises Change.
    page.lblTITLE.Caption("A");
    EXPECT_EQ(page.changes, 2);
    page.Unload();
}

TEST(Labels, TheProgramsFontNamesAreShownInTheFontsPresent)
{
    Page page;
    EXPECT_EQ(test::ShownFontFamily(page.lblTITLE), "Comic Neue");  // "Comic Sans MS"
    page.lblTITLE.FontName("Tahoma");
    EXPECT_EQ(test::ShownFontFamily(page.lblTITLE), "DejaVu Sans");
    page.lblTITLE.FontName("MS Sans Serif");
    EXPECT_EQ(test::ShownFontFamily(page.lblTITLE), "DejaVu Sans");
    page.Unload();
}

TEST(Labels, WordWrapKeepsTheWidthAndGrowsDownward)
{
    Page page;
    const double width = page.lblSENTENCE.Width();
    const double oneLine = page.lblSENTENCE.Height();
    page.lblSENTENCE.Caption("I like to eat an apple for my lunch every single day of the week.");
    EXPECT_EQ(page.lblSENTENCE.Width(), width);
    EXPECT_GE(page.lblSENTENCE.Height(), 3 * oneLine);
    // A bigger font refits the height too.
    const double before = page.lblSENTENCE.Height();
    page.lblSENTENCE.FontSize(24);
    EXPECT_GT(page.lblSENTENCE.Height(), before);
    page.Unload();
}

TEST(Drawing, ShapesDrawTheirBorderInsideTheirBoundsAndStayTransparent)
{
    Page page;
    page.Show();
    const test::Snapshot shot = test::Grab(page);
    // The shape covers pixels 100..179 x 10..49 with a 4-pixel red border.
    EXPECT_EQ(rgbAt(shot, 100, 30), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 103, 30), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 104, 30), 0x0000FFu);
    EXPECT_EQ(rgbAt(shot, 179, 49), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 180, 30), 0x0000FFu);
    page.Unload();
}

TEST(Drawing, LinesInPixelScaleLeaveOutTheirEndPoint)
{
    Page page;
    page.ScaleMode(vbPixels);
    EXPECT_EQ(page.ScaleWidth(), 200);
    EXPECT_EQ(page.ScaleHeight(), 200);
    page.DrawLine(0, 0, 10, 0, vbRed);
    const double w = page.ScaleWidth();
    const double h = page.ScaleHeight();
    page.DrawLine(w - 1, 0, w - 1, h, kFrameBlue);
    page.ScaleMode(vbTwips);
    EXPECT_EQ(page.ScaleWidth(), 3000);
    page.Show();
    const test::Snapshot shot = test::Grab(page);
    EXPECT_EQ(rgbAt(shot, 0, 0), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 9, 0), 0xFF0000u);
    EXPECT_EQ(rgbAt(shot, 10, 0), 0x0000FFu);
    EXPECT_EQ(rgbAt(shot, 199, 0), 0x2870DBu);
    EXPECT_EQ(rgbAt(shot, 199, 199), 0x2870DBu);
    // Cls clears what was drawn.
    page.Cls();
    EXPECT_EQ(rgbAt(test::Grab(page), 9, 0), 0x0000FFu);
    page.Unload();
}

TEST(Drawing, PrintWritesAtTheTextPositionAndMovesItDownOneLine)
{
    Page page;
    page.picMAIN.ScaleMode(vbPixels);
    page.picMAIN.AutoRedraw(true);
    page.picMAIN.CurrentX(3);
    page.picMAIN.CurrentY(2);
    page.picMAIN.ForeColor(vbBlack);
    const double lineHeight = page.picMAIN.TextHeight("Apple");
    page.picMAIN.Print("Apple");
    EXPECT_EQ(page.picMAIN.CurrentX(), 0);
    EXPECT_EQ(page.picMAIN.CurrentY(), 2 + lineHeight);
    bool inked = false;
    for (int y = 2; y < 2 + static_cast<int>(lineHeight) && !inked; ++y) {
        for (int x = 3; x < 30 && !inked; ++x)
            inked = page.picMAIN.Point(x, y) == vbBlack;
    }
    EXPECT_TRUE(inked);
    EXPECT_EQ(page.picMAIN.Point(1, 1), vbWhite);

    // Without AutoRedraw nothing is kept, but the position still moves.
    page.picMAIN.Cls();
    page.picMAIN.AutoRedraw(false);
    page.picMAIN.Print("Apple");
    EXPECT_EQ(page.picMAIN.CurrentY(), lineHeight);
    EXPECT_EQ(page.picMAIN.Point(4, 5), vbWhite);
    // Each line moves it by the height of the font it was printed in.
    page.picMAIN.Cls();
    page.picMAIN.Print("Apple");
    page.picMAIN.FontSize(page.picMAIN.FontSize() * 2);
    const double tallerLine = page.picMAIN.TextHeight("Apple");
    ASSERT_GT(tallerLine, lineHeight);
    page.picMAIN.Print("Apple");
    page.picMAIN.Print("");
    EXPECT_EQ(page.picMAIN.CurrentY(), lineHeight + 2 * tallerLine);
    page.Unload();
}

TEST(Drawing, APictureBoxWithAutoSizeTakesItsPicturesSizeAndRaisesResize)
{
    Page page;
    int resizes = 0;
    page.picMAIN.Resize.Handle([&] { ++resizes; });
    page.picMAIN.AutoSize(true);
    page.picMAIN.Picture(Picture::Filled(40, 39, vbGreen));
    EXPECT_EQ(page.picMAIN.Width(), 40 * 15);
    EXPECT_EQ(page.picMAIN.Height(), 39 * 15);
    EXPECT_EQ(resizes, 1);
    page.picMAIN.BorderStyle(1);
    EXPECT_EQ(page.picMAIN.Width(), (40 + 4) * 15);
    EXPECT_EQ(page.picMAIN.ScaleWidth(), 40 * 15);
    page.Unload();
}

}  // namespace
