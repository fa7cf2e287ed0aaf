// User controls: their life on a form, stored properties, events raised to the host (also from
// control arrays), input on their constituents, and controls made by class id.
#include "platform/forms/Forms.h"
#include "platform/forms/Testing.h"
#include "platform/user/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace qby;

namespace {

std::vector<std::string> g_life;

// A small button: a picture surface that raises Click, MouseDown and DblClick to its host.
class TileButton : public UserControl {
public:
    using UserControl::UserControl;
    const char* KindName() const override { return "TileButton"; }

    Event<> Click{this};
    MouseEvent MouseDown{this};
    Event<> DblClick{this};

    bool Lit() const { return lit_; }
    StdPicture PictureNormal() { return imgNORMAL.Picture(); }
    void PictureNormal(const StdPicture& picture)
    {
        imgNORMAL.Picture(picture);
        picImage1.Picture(picture);
        PropertyChanged("PICTURENORMAL");
    }
    std::string caption;

protected:
    void Layout(Design& d) override
    {
        d.Surface({.ScaleMode = vbPixels});
        d.Add(picImage1, {.Left = 0, .Top = 0, .Width = 41, .Height = 41, .AutoSize = true, .BorderStyle = 0,
                          .ScaleMode = vbPixels});
        d.Add(imgNORMAL, {.Left = 0, .Top = 144, .Visible = false});
        picImage1.Click.Handle([this] { Click.Raise(); });
        picImage1.MouseDown.Handle([this](int b, int s, float x, float y) { MouseDown.Raise(b, s, x, y); });
        picImage1.DblClick.Handle([this] { DblClick.Raise(); });
        picImage1.MouseMove.Handle([this](int, int, float x, float y) {
            const bool inside = x >= 0 && y >= 0 && x <= ScaleWidth() && y <= ScaleHeight();
            lit_ = inside;
            if (inside)
                SetCapture(picImage1.hWnd());
            else
                ReleaseCapture();
        });
    }
    void UserControl_Initialize() override
    {
        g_life.push_back(Name() + " Initialize");
        lit_ = false;
    }
    void UserControl_InitProperties() override
    {
        g_life.push_back(Name() + " InitProperties");
        caption = "none";
    }
    void UserControl_ReadProperties(PropertyBag& bag) override
    {
        g_life.push_back(Name() + " ReadProperties");
        if (auto picture = bag.ReadProperty("PICTURENORMAL").AsPicture())
            PictureNormal(*picture);
        caption = bag.ReadProperty("CAPTION", "none").AsString().value_or("?");
    }
    void UserControl_WriteProperties(PropertyBag& bag) override
    {
        bag.WriteProperty("PICTURENORMAL", PictureNormal(), Picture());
        bag.WriteProperty("CAPTION", caption, "none");
    }
    void UserControl_Resize() override
    {
        // The control follows its picture surface.
        ScaleMode(vbTwips);
        Width(picImage1.Width());
        Height(picImage1.Height());
        ScaleMode(vbPixels);
    }
    void UserControl_Terminate() override { g_life.push_back(Name() + " Terminate"); }

private:
    PictureBox picImage1{this, "picImage1"};
    Image imgNORMAL{this, "imgNORMAL"};
    bool lit_ = false;
};

class Letters : public Form {
public:
    Letters() : Form("frmLETTERS")
    {
        btnpLETTERS.Handle(&TileButton::Click, this, &Letters::btnpLETTERS_Click);
        btnpEXIT.Click.Handle([this] { clicked.push_back(-1); });
        btnpEXIT.MouseDown.Handle([this](int b, int, float x, float y) { downs.push_back({b, x, y}); });
        btnpEXIT.DblClick.Handle([this] { ++doubleClicks; });
    }
    ControlArray<TileButton> btnpLETTERS{this, "btnpLETTERS"};
    TileButton btnpEXIT{this, "btnpEXIT"};
    std::vector<int> clicked;
    struct Down {
        int button;
        float x;
        float y;
    };
    std::vector<Down> downs;
    int doubleClicks = 0;

protected:
    void Layout(Design& d) override
    {
        d.Window({.BorderStyle = vbBSNone, .ClientWidth = 6000, .ClientHeight = 3000});
        const char* tags[] = {"A", "B", "C"};
        for (int i = 0; i < 3; ++i) {
            d.Add(btnpLETTERS, i, {.Left = 405.0 + 705 * i, .Top = 450, .Tag = tags[i]},
                  {{"PICTURENORMAL", Picture::Filled(41, 41, vbYellow)}, {"CAPTION", tags[i]}});
        }
        d.Add(btnpEXIT, {.Left = 3000, .Top = 1500});
    }
    void Form_Load() override { g_life.push_back("Form_Load"); }
    void btnpLETTERS_Click(int Index) { clicked.push_back(Index); }
};

class UserControlTest : public ::testing::Test {
protected:
    void SetUp() override { g_life.clear(); }
};

TEST_F(UserControlTest, ControlsAreMadeReadAndSizedBeforeTheFormLoadsAndEndWithIt)
{
    Letters form;
    form.Load();
    EXPECT_EQ(g_life, (std::vector<std::string>{
                          "btnpLETTERS Initialize", "btnpLETTERS ReadProperties", "btnpLETTERS Initialize",
                          "btnpLETTERS ReadProperties", "btnpLETTERS Initialize", "btnpLETTERS ReadProperties",
                          "btnpEXIT Initialize", "btnpEXIT InitProperties", "Form_Load"}));
    EXPECT_EQ(form.btnpLETTERS.Count(), 3);
    EXPECT_EQ(form.btnpLETTERS(2).Tag(), "C");
    EXPECT_EQ(form.btnpLETTERS(1).caption, "B");
    EXPECT_EQ(form.btnpLETTERS(0).Width(), 41 * 15);  // fitted to its stored picture
    EXPECT_EQ(form.btnpLETTERS(0).Left(), 405);
    EXPECT_EQ(form.btnpLETTERS(0).ParentHwnd(), form.hWnd());
    EXPECT_TRUE(form.btnpLETTERS(0).Ambient().UserMode);
    EXPECT_EQ(test::PropertyChangedLog(form.btnpLETTERS(0)), (std::vector<std::string>{"PICTURENORMAL"}));

    g_life.clear();
    form.Unload();
    EXPECT_EQ(g_life, (std::vector<std::string>{"btnpEXIT Terminate", "btnpLETTERS Terminate",
                                                "btnpLETTERS Terminate", "btnpLETTERS Terminate"}));
}

TEST_F(UserControlTest, EventsOfAnArrayElementReachTheHostWithItsIndex)
{
    Letters form;
    form.Show();
    test::MouseClick(form.btnpLETTERS(1), 5, 5);
    test::MouseClick(form.btnpLETTERS(0), 5, 5);
    test::MouseClick(form.btnpEXIT, 3, 4);
    EXPECT_EQ(form.clicked, (std::vector<int>{1, 0, -1}));
    ASSERT_EQ(form.downs.size(), 1u);
    EXPECT_EQ(form.downs[0].button, vbLeftButton);
    EXPECT_EQ(form.downs[0].x, 3);  // pixels: the surface's scale
    EXPECT_EQ(form.downs[0].y, 4);
    // An index the design does not have is a control that does nothing.
    form.btnpLETTERS(7).Width(100);
    EXPECT_EQ(form.btnpLETTERS(7).Width(), 0);
    form.Unload();
}

TEST_F(UserControlTest, ADoubleClickRaisesDblClickInPlaceOfTheSecondPress)
{
    Letters form;
    form.Show();
    test::MouseDoubleClick(form.btnpEXIT, 2, 2);
    EXPECT_EQ(form.downs.size(), 1u);
    EXPECT_EQ(form.doubleClicks, 1);
    EXPECT_EQ(form.clicked, (std::vector<int>{-1}));
    // A right press and release is no click.
    test::MouseClick(form.btnpEXIT, 2, 2, vbRightButton);
    EXPECT_EQ(form.downs.back().button, vbRightButton);
    EXPECT_EQ(form.clicked.size(), 1u);
    // A release away from the button is no click either.
    test::MousePress(form.btnpEXIT, 2, 2);
    test::MouseRelease(form, 5, 5);
    EXPECT_EQ(form.clicked.size(), 1u);
    form.Unload();
}

TEST_F(UserControlTest, ADisabledSurfaceTakesNoInput)
{
    Letters form;
    form.Show();
    form.btnpLETTERS(2).Enabled(false);
    test::MouseClick(form.btnpLETTERS(2), 5, 5);
    EXPECT_TRUE(form.clicked.empty());
    form.btnpLETTERS(2).Enabled(true);
    test::MouseClick(form.btnpLETTERS(2), 5, 5);
    EXPECT_EQ(form.clicked, (std::vector<int>{2}));
    form.Unload();
}

TEST_F(UserControlTest, HoverTrackingWithCaptureSeesThePointerLeave)
{
    Letters form;
    form.Show();
    TileButton& tile = form.btnpLETTERS(0);
    test::MouseMove(tile, 20, 20);
    EXPECT_TRUE(tile.Lit());
    test::MouseMove(form, 300, 150);  // far from the tile, over the form
    EXPECT_FALSE(tile.Lit());
    EXPECT_EQ(GetCapture(), 0);
    form.Unload();
}

TEST_F(UserControlTest, StoredPropertiesRoundTripThroughWriteProperties)
{
    Letters form;
    form.Load();
    const PropertyBag saved = form.btnpLETTERS(2).SaveProperties();
    EXPECT_EQ(saved.Names(), (std::vector<std::string>{"PICTURENORMAL", "CAPTION"}));
    EXPECT_EQ(saved.ReadProperty("caption").AsString(), "C");
    // The control without a bag writes only what differs from the defaults.
    EXPECT_TRUE(form.btnpEXIT.SaveProperties().Names().empty());
    form.Unload();
}

TEST(PropertyBags, ConvertValuesAsAnAssignmentWould)
{
    const PropertyBag bag{{"MinWidth", 675}, {"HasMaxSize", true}, {"Text", "12"}, {"Bad", "wide"},
                          {"Half", 2.5}};
    EXPECT_EQ(bag.ReadProperty("minwidth").AsLong(), 675);
    EXPECT_EQ(bag.ReadProperty("HasMaxSize").AsLong(), -1);
    EXPECT_EQ(bag.ReadProperty("HasMaxSize").AsBoolean(), true);
    EXPECT_EQ(bag.ReadProperty("Text").AsLong(), 12);
    EXPECT_EQ(bag.ReadProperty("Bad").AsLong(), std::nullopt);
    EXPECT_EQ(bag.ReadProperty("Half").AsLong(), 2);  // halves to even
    EXPECT_EQ(bag.ReadProperty("Missing", 200).AsLong(), 200);
    EXPECT_EQ(bag.ReadProperty("Missing").AsPicture()->Handle(), 0);
    EXPECT_EQ(bag.ReadProperty("MinWidth").AsPicture(), std::nullopt);
    PropertyBag written;
    written.WriteProperty("MinWidth", 200, 200);
    written.WriteProperty("MaxWidth", 675, 200);
    EXPECT_EQ(written.Names(), (std::vector<std::string>{"MaxWidth"}));
}

// A control of a class library, made by its class id when the host loads.
class SizeLock : public UserControl {
public:
    const char* KindName() const override { return "SizeLock"; }
    std::int32_t minWidth = 200;
    bool userMode = true;
    HWND hooked = 0;

protected:
    void Layout(Design& d) override { d.Surface({.Width = 480, .Height = 480, .InvisibleAtRuntime = true}); }
    void UserControl_ReadProperties(PropertyBag& bag) override
    {
        if (auto value = bag.ReadProperty("MinWidth", 200).AsLong())
            minWidth = *value;
        userMode = Ambient().UserMode;
        if (userMode)
            hooked = ParentHwnd();
    }
};

constexpr const char* kSizeLockClass = "{41E2C7AD-A7D5-459E-8EF5-CDB7B92EAAEF}";

class Host : public Form {
public:
    Host(std::string classId, bool userMode) : Form("mdiHOST"), classId_(std::move(classId)), userMode_(userMode) {}
    ExternalControl tmrResizeLck1{this, "tmrResizeLck1"};
    Label lblAfter{this, "lblAfter"};

protected:
    void Layout(Design& d) override
    {
        d.Window({.UserMode = userMode_});
        d.Add(tmrResizeLck1, classId_, {.Left = 0, .Top = 0}, {{"MinWidth", 675}});
        d.Add(lblAfter, {.Caption = "loaded"});
    }

private:
    std::string classId_;
    bool userMode_;
};

TEST(ExternalControls, AreMadeByClassIdWithTheirStoredPropertiesAndEndWithTheWindow)
{
    int made = 0;
    RegisterUserControlClass(kSizeLockClass, [&] {
        ++made;
        return std::make_unique<SizeLock>();
    });
    Host host(std::string(kSizeLockClass).substr(0, 10) + "a7d5-459e-8ef5-cdb7b92eaaef}", true);
    host.Load();
    EXPECT_EQ(made, 1);
    auto* lock = dynamic_cast<SizeLock*>(host.tmrResizeLck1.Object());
    ASSERT_NE(lock, nullptr);
    EXPECT_EQ(lock->minWidth, 675);
    EXPECT_EQ(lock->hooked, host.hWnd());
    EXPECT_EQ(lock->Name(), "tmrResizeLck1");
    host.Show();
    EXPECT_FALSE(test::IsShownOnScreen(host.tmrResizeLck1));  // no appearance at run time
    EXPECT_TRUE(host.tmrResizeLck1.Visible());
    host.Unload();
    EXPECT_FALSE(host.tmrResizeLck1.IsLive());
    EXPECT_EQ(made, 1);
    // Touching it loads the host again, with a new control.
    EXPECT_NE(host.tmrResizeLck1.Object(), nullptr);
    EXPECT_EQ(made, 2);
    host.Unload();

    Host designer(kSizeLockClass, false);
    designer.Load();
    auto* designed = dynamic_cast<SizeLock*>(designer.tmrResizeLck1.Object());
    ASSERT_NE(designed, nullptr);
    EXPECT_FALSE(designed->userMode);
    EXPECT_EQ(designed->hooked, 0);
    designer.Show();
    EXPECT_TRUE(test::IsShownOnScreen(designer.tmrResizeLck1));  // a designer shows it
    designer.Unload();
    UnregisterUserControlClass(kSizeLockClass);
}

TEST(ExternalControls, AClassThatCannotBeMadeLeavesTheRestOfTheWindowLoading)
{
    Host host("{00000000-0000-0000-0000-000000000000}", true);
    int asked = 0;
    SetUserControlResolver([&](const std::string&) -> std::unique_ptr<UserControl> {
        ++asked;
        return nullptr;
    });
    EXPECT_EQ(host.lblAfter.Caption(), "loaded");
    EXPECT_EQ(host.tmrResizeLck1.Object(), nullptr);
    EXPECT_EQ(asked, 1);
    SetUserControlResolver(nullptr);
    host.Unload();
}

}  // namespace

namespace {

// A control that gives its own surface a design size before adding a constituent: the design
// size must not raise UserControl_Resize before the control is initialised.
class SizedSurface : public UserControl {
public:
    using UserControl::UserControl;
    const char* KindName() const override { return "SizedSurface"; }
    std::vector<std::string> life;

protected:
    void Layout(Design& d) override
    {
        d.Surface({.Width = 2100, .Height = 585});
        d.Add(picImage1, {.Left = 0, .Top = 0, .Width = 2100, .Height = 585});
    }
    void UserControl_Initialize() override { life.push_back("Initialize"); }
    void UserControl_Resize() override { life.push_back("Resize"); }

private:
    PictureBox picImage1{this, "picImage1"};
};

class SizedSurfaceHost : public Form {
public:
    SizedSurfaceHost() : Form("frmSIZEDSURFACE") {}
    SizedSurface ctlSIZED{this, "ctlSIZED"};

protected:
    void Layout(Design& d) override { d.Add(ctlSIZED, {.Left = 0, .Top = 0}); }
};

}  // namespace

TEST(UserControlDesignSize, RaisesNoResizeBeforeInitialize)
{
    SizedSurfaceHost form;
    form.Load();
    ASSERT_FALSE(form.ctlSIZED.life.empty());
    EXPECT_EQ(form.ctlSIZED.life.front(), "Initialize");
    form.Unload();
}
