// The size-lock control ResizeLck: its five limits and their write rules, its stored
// properties, and its answer to the host window's size query. The control is made from this
// test's own class id here; HostingTest makes it through the registry.
#include "sizeguard/ResizeLck.h"
#include "sizeguard/modPRGMAIN.h"

#include "SizeLockWindow.h"

#include "platform/forms/Testing.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace qby;

namespace {

constexpr const char* kTestClassId = "{5B0C33E1-6A0F-4C52-9D1B-3F1E7A2C9D10}";

// ResizeLck with its handlers reachable, as the runtime calls them.
class ProbeLck : public ResizeLck {
public:
    using ResizeLck::UserControl_ReadProperties;
};

LONG ScreenWidthPixels() { return static_cast<LONG>(Screen.Width() / 15); }

class ResizeLckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterUserControlClass(kTestClassId, [] { return std::make_unique<ProbeLck>(); });
    }
    void TearDown() override
    {
        UnregisterUserControlClass(kTestClassId);
        EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
    }

    // A window carrying the control with these stored values, loaded.
    std::unique_ptr<SizeLockWindow> Host(PropertyBag stored, bool userMode = true)
    {
        auto window = std::make_unique<SizeLockWindow>(kTestClassId, std::move(stored), userMode);
        window->Load();
        return window;
    }
    static ProbeLck& LockOf(SizeLockWindow& window)
    {
        auto* lock = dynamic_cast<ProbeLck*>(window.tmrResizeLck1.Object());
        if (lock == nullptr) throw std::runtime_error("no size-lock control");
        return *lock;
    }
};

}  // namespace

TEST_F(ResizeLckTest, StoredLimitsAnswerTheSizeQueryAndTheRestOfTheRecordIsKept)
{
    auto window = Host(MainWindowLimits());
    LRESULT result = -1;
    const MINMAXINFO info = QuerySize(window->hWnd(), &result);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(info.ptMinTrackSize.x, 675);
    EXPECT_EQ(info.ptMinTrackSize.y, 585);
    EXPECT_EQ(info.ptMaxTrackSize.x, 675);
    EXPECT_EQ(info.ptMaxTrackSize.y, 590);
    EXPECT_EQ(info.ptReserved.x, kReservedMarker.x);
    EXPECT_EQ(info.ptReserved.y, kReservedMarker.y);
    EXPECT_EQ(info.ptMaxSize.x, kMaxSizeMarker.x);
    EXPECT_EQ(info.ptMaxPosition.y, kMaxPositionMarker.y);
    // A query without a record changes nothing and does not fail.
    EXPECT_EQ(SendMessageA(window->hWnd(), WM_GETMINMAXINFO, 0, 0), 0);
}

TEST_F(ResizeLckTest, TheWindowStaysWithinTheLimitsWhateverSizeItIsGiven)
{
    auto window = Host(MainWindowLimits());
    window->Show();
    // The 670 x 560 client area lies within the limits as it is.
    EXPECT_EQ(test::RectOnScreen(*window).width, 670);
    EXPECT_EQ(test::RectOnScreen(*window).height, 560);
    EXPECT_EQ(ResizeTo(window->hWnd(), 900, 900), (OuterSize{675, 590}));
    EXPECT_EQ(ResizeTo(window->hWnd(), 100, 100), (OuterSize{675, 585}));
    window->Height(588 * 15);
    EXPECT_EQ(OuterSizeOf(window->hWnd()), (OuterSize{675, 588}));
    window->Width(2000 * 15);
    EXPECT_EQ(OuterSizeOf(window->hWnd()).width, 675);

    // A limit written later takes effect with the next query: the next resize.
    int newMaximum = 640;
    LockOf(*window).MaxHeight(newMaximum);
    EXPECT_EQ(ResizeTo(window->hWnd(), 900, 900), (OuterSize{675, 640}));
    window->Unload();
}

TEST_F(ResizeLckTest, WithoutMaxSizeTheMaximaAreTheScreenInTwipsPassedOnAsPixels)
{
    auto window = Host({{"MaxWidth", 675}, {"MaxHeight", 590}, {"MinWidth", 300}, {"HasMaxSize", false}});
    ProbeLck& lock = LockOf(*window);
    EXPECT_EQ(lock.MaxWidth(), ScreenWidthTwips());
    EXPECT_EQ(lock.MaxHeight(), ScreenHeightTwips());
    LONG wanted = 675;
    lock.MaxWidth(wanted);
    EXPECT_EQ(wanted, 675);  // ignored, not written back
    EXPECT_EQ(lock.MaxWidth(), ScreenWidthTwips());
    const MINMAXINFO info = QuerySize(window->hWnd());
    EXPECT_EQ(info.ptMaxTrackSize.x, ScreenWidthPixels() * 15);
    EXPECT_EQ(info.ptMaxTrackSize.y, ScreenHeightTwips());
    EXPECT_EQ(info.ptMinTrackSize.x, 300);
    window->Show();
    EXPECT_EQ(ResizeTo(window->hWnd(), 900, 900), (OuterSize{900, 900}));
    window->Unload();
}

TEST_F(ResizeLckTest, AMaximumBelowTheMinimumIsRaisedAndWrittenBack)
{
    ProbeLck lock;
    lock.HasMaxSize(true);
    lock.MinWidth(675);
    lock.MinHeight(585);
    LONG width = 500;
    LONG height = 590;
    lock.MaxWidth(width);
    lock.MaxHeight(height);
    EXPECT_EQ(width, 675);
    EXPECT_EQ(lock.MaxWidth(), 675);
    EXPECT_EQ(height, 590);  // not below the minimum: kept
    EXPECT_EQ(lock.MaxHeight(), 590);
}

TEST_F(ResizeLckTest, AMinimumAboveTheMaximumStandsUntilThePropertiesAreReadAgain)
{
    auto window = Host(MainWindowLimits());
    ProbeLck& lock = LockOf(*window);
    lock.MinWidth(700);
    MINMAXINFO info = QuerySize(window->hWnd());
    EXPECT_EQ(info.ptMinTrackSize.x, 700);
    EXPECT_EQ(info.ptMaxTrackSize.x, 675);

    PropertyBag stored{{"MinWidth", 700}, {"MaxWidth", 675}, {"HasMaxSize", true}};
    lock.UserControl_ReadProperties(stored);
    info = QuerySize(window->hWnd());
    EXPECT_EQ(info.ptMinTrackSize.x, 700);
    EXPECT_EQ(info.ptMaxTrackSize.x, 700);
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 1);  // reading again does not hook twice
}

TEST_F(ResizeLckTest, SwitchingMaxSizeOffAndOnLeavesTheMaximaAtTheScreen)
{
    auto window = Host(MainWindowLimits());
    ProbeLck& lock = LockOf(*window);
    lock.HasMaxSize(false);
    lock.HasMaxSize(true);
    EXPECT_TRUE(lock.HasMaxSize());
    EXPECT_EQ(lock.MaxWidth(), ScreenWidthTwips());
    EXPECT_EQ(lock.MaxHeight(), ScreenHeightTwips());
}

TEST_F(ResizeLckTest, UnreadableStoredValuesKeepTheStartingValuesAndAreStillClamped)
{
    auto window = Host({{"MinWidth", 20000}, {"MaxWidth", "wide"}, {"MinHeight", Picture()},
                        {"MaxHeight", 400}, {"HasMaxSize", "perhaps"}});
    ProbeLck& lock = LockOf(*window);
    EXPECT_EQ(lock.MinWidth(), 20000);
    EXPECT_EQ(lock.MaxWidth(), 20000);  // the screen width it started with, raised to the minimum
    EXPECT_EQ(lock.MinHeight(), 200);
    EXPECT_FALSE(lock.HasMaxSize());
    EXPECT_EQ(lock.MaxHeight(), ScreenHeightTwips());  // no maximum in force
}

TEST_F(ResizeLckTest, OnlyValuesOffTheirDefaultsAreStoredInTheirOrder)
{
    auto window = Host(MainWindowLimits());
    const PropertyBag saved = LockOf(*window).SaveProperties();
    EXPECT_EQ(saved.Names(), (std::vector<std::string>{"MaxHeight", "MaxWidth", "MinHeight", "MinWidth", "HasMaxSize"}));
    EXPECT_EQ(saved.ReadProperty("MaxHeight").AsLong(), 590);
    EXPECT_EQ(saved.ReadProperty("HasMaxSize").AsBoolean(), true);
    window->Unload();

    auto fresh = Host(PropertyBag());  // a newly placed control keeps its starting values
    ProbeLck& lock = LockOf(*fresh);
    EXPECT_EQ(lock.MinWidth(), 200);
    EXPECT_EQ(lock.MaxWidth(), ScreenWidthTwips());
    EXPECT_TRUE(lock.SaveProperties().Names().empty());
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);  // without stored properties nothing is read: no hook
}

TEST_F(ResizeLckTest, AtDesignTimeNothingIsHookedAndTheIconShows)
{
    auto window = Host(MainWindowLimits(), false);
    EXPECT_EQ(GetWindowLongA(window->hWnd(), GWL_WNDPROC), AddressOf(DefWindowProcA));
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
    window->Show();
    EXPECT_EQ(ResizeTo(window->hWnd(), 900, 900), (OuterSize{900, 900}));

    ExternalControl& control = window->tmrResizeLck1;
    EXPECT_TRUE(test::IsShownOnScreen(control));
    EXPECT_EQ(control.Width(), 480);
    EXPECT_EQ(control.Height(), 480);
    const test::Snapshot shown = test::Grab(control);
    EXPECT_EQ(shown.width, 32);
    EXPECT_EQ(shown.Point(0, 0), 0xC0C0C0);    // silver ground
    EXPECT_EQ(shown.Point(10, 5), 0x800000);   // navy title bar, blue-green-red
    EXPECT_EQ(shown.Point(20, 25), 0x00FFFF);  // yellow padlock
}

TEST_F(ResizeLckTest, AtRunTimeTheControlHasNoAppearanceAndKeepsItsIconsSize)
{
    auto window = std::make_unique<SizeLockWindow>(kTestClassId, MainWindowLimits());
    window->Show();
    ExternalControl& control = window->tmrResizeLck1;
    EXPECT_FALSE(test::IsShownOnScreen(control));
    control.Width(3000);
    EXPECT_EQ(control.Width(), 480);
}

TEST_F(ResizeLckTest, WithoutAHostWindowNothingIsHooked)
{
    ProbeLck lock;
    PropertyBag stored = MainWindowLimits();
    lock.UserControl_ReadProperties(stored);
    EXPECT_EQ(lock.MinHeight(), 585);
    EXPECT_EQ(modPRGMAIN::SubclassCount(), 0);
}
