// The write-along lesson: the animation files each letter button and each replay button show
// (names differing in case and spacing, in the folder "Animations" beside the program), the
// letter spoken after both panes have their files, a missing file, and the way back to the menu.
#include "GamesFixture.h"

#include "lessons/frmLESSWRIT.h"
#include "platform/app/App.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <vector>

namespace gamestest {
namespace {

std::string Animation(const std::string& fileName)
{
    return App.Path() + "/Animations/" + fileName;
}

std::size_t NonWhitePixels(const qby::test::Snapshot& shot)
{
    return static_cast<std::size_t>(
        std::count_if(shot.rgb.begin(), shot.rgb.end(), [](std::uint32_t rgb) { return rgb != 0xFFFFFF; }));
}

class WriteAlong : public GamesFixture {
protected:
    frmLESSWRIT_Form& lesson() { return *frmLESSWRIT; }
    std::string Capital() { return lesson().wbbWebBrowser1.LocationURL(); }
    std::string Small() { return lesson().wbbWebBrowser2.LocationURL(); }
};

TEST_F(WriteAlong, OpeningShowsTheLetterAAndSpeaksItOnceTheWindowIsUp)
{
    std::vector<bool> upWhileSounding;
    recorder->UseClock([] { return std::chrono::microseconds(0); },
                       [&](std::chrono::microseconds) {
                           upWhileSounding.push_back(qby::test::IsShownOnScreen(*frmLESSWRIT));
                       });
    OpenFromMenu(lesson());

    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"A"});
    EXPECT_EQ(upWhileSounding, std::vector<bool>{true});
    EXPECT_EQ(lesson().CurrentLetter(), "A");
    EXPECT_EQ(Capital(), Animation("A ucase chr.gif"));
    EXPECT_EQ(Small(), Animation("a lcase chr.gif"));
    EXPECT_TRUE(lesson().wbbWebBrowser1.ShowsPicture());
    EXPECT_TRUE(lesson().wbbWebBrowser2.ShowsPicture());

    EXPECT_EQ(lesson().btnpEXIT.CAPTION(), "Close");
    EXPECT_EQ(lesson().btnpPicbtn5.CAPTION(), "Click to play animation");
    EXPECT_EQ(lesson().btnpPicbtn6.CAPTION(), "Click to play animation");
    EXPECT_EQ(lesson().lblThisIsHowTheyAre.Caption(),
              "Simply Write on some paper the movement of the animation");
    EXPECT_FALSE(frmMAINMENU->IsLoaded());
}

TEST_F(WriteAlong, EveryLetterButtonShowsItsTwoFilesThenSpeaksTheLetter)
{
    OpenFromMenu(lesson());
    TakeSounds();
    for (int i = 0; i < 26; ++i) {
        const std::string capital(1, static_cast<char>('A' + i));
        const std::string small(1, static_cast<char>('a' + i));
        // Both panes have their new files by the time the letter is heard.
        std::vector<std::string> panesWhileSounding;
        recorder->UseClock([] { return std::chrono::microseconds(0); },
                           [&](std::chrono::microseconds) {
                               panesWhileSounding = {Capital(), Small()};
                           });
        Click(lesson().btnpLETTERS(i));
        EXPECT_EQ(TakeSounds(), std::vector<std::string>{capital});
        const std::vector<std::string> files = {Animation(capital + " ucase chr.gif"),
                                                Animation(small + " lcase chr.gif")};
        EXPECT_EQ(panesWhileSounding, files);
        EXPECT_EQ(lesson().CurrentLetter(), capital);
        EXPECT_TRUE(std::filesystem::exists(Capital())) << Capital();
        EXPECT_TRUE(std::filesystem::exists(Small())) << Small();
        EXPECT_TRUE(lesson().wbbWebBrowser1.ShowsPicture()) << capital;
        EXPECT_TRUE(lesson().wbbWebBrowser2.ShowsPicture()) << small;
        EXPECT_TRUE(lesson().btnpLETTERS(i).Enabled()) << "a click does not disable the button";
    }
}

TEST_F(WriteAlong, ReplayButtonsPlayTheCurrentLettersAnimationAgainInTheirOwnPane)
{
    OpenFromMenu(lesson());
    Click(lesson().btnpLETTERS(16));
    TakeSounds();

    Click(lesson().btnpPicbtn6);
    EXPECT_EQ(Small(), Animation("q - lcase.gif"));
    EXPECT_EQ(Capital(), Animation("Q ucase chr.gif"));
    Click(lesson().btnpPicbtn5);
    EXPECT_EQ(Capital(), Animation("Q - Ucase.gif"));
    EXPECT_EQ(Small(), Animation("q - lcase.gif"));
    EXPECT_TRUE(lesson().wbbWebBrowser1.ShowsPicture());
    EXPECT_TRUE(lesson().wbbWebBrowser2.ShowsPicture());
    EXPECT_TRUE(TakeSounds().empty()) << "a replay is silent";

    // The same letter again puts both first files back and speaks the letter again.
    Click(lesson().btnpLETTERS(16));
    EXPECT_EQ(Capital(), Animation("Q ucase chr.gif"));
    EXPECT_EQ(Small(), Animation("q lcase chr.gif"));
    Click(lesson().btnpLETTERS(16));
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"Q", "Q"}));
}

TEST_F(WriteAlong, AMissingAnimationLeavesAnEmptyPaneAndTheLessonGoesOn)
{
    OpenFromMenu(lesson());
    // A letter whose files are not in the folder.
    lesson().picBtnpLETTER(3).Tag("?");
    TakeSounds();
    Click(lesson().btnpLETTERS(3));
    EXPECT_EQ(Capital(), Animation("? ucase chr.gif"));
    EXPECT_EQ(Small(), Animation("? lcase chr.gif"));
    EXPECT_FALSE(lesson().wbbWebBrowser1.ShowsPicture());
    EXPECT_FALSE(lesson().wbbWebBrowser2.ShowsPicture());
    EXPECT_TRUE(TakeSounds().empty()) << "no recording of that letter";
    // An empty white page in the frame.
    EXPECT_EQ(NonWhitePixels(qby::test::Grab(lesson().picBDRCAPS)), 0u);

    Click(lesson().btnpPicbtn5);
    EXPECT_EQ(Capital(), Animation("? - Ucase.gif"));
    EXPECT_FALSE(lesson().wbbWebBrowser1.ShowsPicture());

    // The next letter shows its pictures again.
    Click(lesson().btnpLETTERS(4));
    EXPECT_TRUE(lesson().wbbWebBrowser1.ShowsPicture());
    EXPECT_GT(NonWhitePixels(qby::test::Grab(lesson().picBDRCAPS)), 0u);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"E"});
}

// What the capital's pane shows from now on, taken every 50 ms of test time for `ms`: the distinct
// pictures in the order they came up.
std::vector<std::vector<std::uint32_t>> PicturesOverTime(qby::Control& pane, std::int64_t ms)
{
    std::vector<std::vector<std::uint32_t>> pictures{qby::test::Grab(pane).rgb};
    for (std::int64_t t = 0; t < ms; t += 50) {
        qby::TestClock::Advance(50);
        std::vector<std::uint32_t> shown = qby::test::Grab(pane).rgb;
        if (shown != pictures.back()) pictures.push_back(std::move(shown));
    }
    return pictures;
}

TEST_F(WriteAlong, AnimationsPlayOnceAndStayOnTheirLastFrameUntilReplayed)
{
    OpenFromMenu(lesson());
    Click(lesson().btnpLETTERS(1));
    qby::Control& pane = lesson().wbbWebBrowser1;
    // The letter is written stroke by stroke, then the pane keeps its last picture.
    const auto played = PicturesOverTime(pane, 30000);
    ASSERT_GE(played.size(), 5u) << "the animation does not move";
    const auto afterwards = PicturesOverTime(pane, 10000);
    EXPECT_EQ(afterwards.size(), 1u) << "the animation goes on after its end";
    EXPECT_EQ(afterwards.front(), played.back()) << "the last frame is not kept";

    // The replay starts from the first picture and plays through to the same end once more.
    Click(lesson().btnpPicbtn5);
    const auto replayed = PicturesOverTime(pane, 30000);
    EXPECT_EQ(replayed.front(), played.front());
    EXPECT_EQ(replayed.size(), played.size());
    EXPECT_EQ(replayed.back(), played.back());
    EXPECT_EQ(PicturesOverTime(pane, 10000).size(), 1u);
}

TEST_F(WriteAlong, ExitOrAnyOtherCloseReturnsToTheMenuAndTheNextOpeningStartsAtA)
{
    OpenFromMenu(lesson());
    Click(lesson().btnpLETTERS(25));
    Click(lesson().btnpEXIT);
    ExpectBackAtTheMenu(lesson());

    OpenFromMenu(lesson());
    EXPECT_EQ(lesson().CurrentLetter(), "A");
    EXPECT_EQ(Capital(), Animation("A ucase chr.gif"));
    qby::test::RequestClose(lesson());
    qby::test::ProcessEvents();
    ExpectBackAtTheMenu(lesson());

    OpenFromMenu(lesson());
    lesson().Unload();
    ExpectBackAtTheMenu(lesson());
}

}  // namespace
}  // namespace gamestest
