// The alphabet lesson as a learner uses it: opening on A, choosing letters, paging with
// wrap-around, the speaker button, and leaving by Exit or by closing the window.
#include "AlphabetFixture.h"

#include "core/modGLOBALS.h"
#include "platform/forms/Runtime.h"

#include <algorithm>
#include <cctype>
#include <chrono>

namespace lessontest {
namespace {

using Sounds = std::vector<std::string>;

class AlphabetLesson : public AlphabetFixture {};

TEST_F(AlphabetLesson, OpensOnTheFirstWordOfAAndSpeaksLetterThenWord)
{
    // For each sound, whether the lesson was already up on the screen.
    std::vector<bool> shownWhileSpeaking;
    recorder->UseClock([] { return std::chrono::microseconds(0); },
                       [&](std::chrono::microseconds) {
                           shownWhileSpeaking.push_back(qby::test::IsShownOnScreen(*frmLESSALPH));
                       });
    EXPECT_EQ(OpenLesson(), (Sounds{"A", "AIRPLANE"}));
    EXPECT_EQ(shownWhileSpeaking, (std::vector<bool>{true, true}));

    auto& lesson = Lesson();
    EXPECT_TRUE(qby::test::IsShownOnScreen(lesson));
    EXPECT_FALSE(frmMAINMENU->IsLoaded());
    EXPECT_EQ(lesson.lblTITLE1(0).Caption(), "A");
    EXPECT_EQ(lesson.lblTITLE1(1).Caption(), "A");
    EXPECT_EQ(lesson.lblTITLE2(0).Caption(), "irplane");
    EXPECT_EQ(lesson.lblTITLE2(1).Caption(), "irplane");
    EXPECT_EQ(PageLabel(), "1 of 4");
    EXPECT_EQ(Sentences(), (std::vector<std::string>{"An Airplane can fly very high.",
                                                     "I go on my holidays by an airplane.",
                                                     "An airplane can be very noisy."}));
    EXPECT_TRUE(SamePicture(lesson.picMAINWINDOW.Picture(), ResourcePicture("AIRPLANE", "CUSTOM")));
    // The picture fills its box exactly, edge to edge.
    const qby::Picture airplane = ResourcePicture("AIRPLANE", "CUSTOM");
    const auto shown = qby::test::Grab(lesson.picMAINWINDOW);
    EXPECT_EQ(shown.width, 300);
    EXPECT_EQ(shown.height, 225);
    EXPECT_EQ(shown.Point(299, 224), airplane.Point(299, 224));

    // Texts from the interface-text table.
    EXPECT_EQ(lesson.btnpBACK.CAPTION(), "Go back");
    EXPECT_EQ(lesson.btnpNEXT.CAPTION(), "Go to next");
    EXPECT_EQ(lesson.btnpEXIT.CAPTION(), "Close");
    EXPECT_EQ(lesson.lblTITLE1(0).ToolTipText(), "Press the buttons to hear the sounds");
    EXPECT_EQ(lesson.lbl1Of9.ToolTipText(), "The number of current pictures");
}

TEST_F(AlphabetLesson, BritishTableGivesFiveWordsOfA)
{
    strLanguage = "ENGLISH";
    EXPECT_EQ(OpenLesson(), (Sounds{"A", "AIRPLANE"}));
    EXPECT_EQ(PageLabel(), "1 of 5");
}

TEST_F(AlphabetLesson, ThePageLabelShowsWholeOnOneLineForEveryLastPageOfBothTables)
{
    for (const char* variety : {"AMERICAN", "ENGLISH"}) {
        strLanguage = variety;
        OpenLesson();
        // The label's own font, measured on the window's surface (the window prints nothing).
        Lesson().FontName(Lesson().lbl1Of9.FontName());
        Lesson().FontSize(Lesson().lbl1Of9.FontSize());
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            ClickLetter(letter);
            Click(Lesson().btnpBACK);  // the letter's last page: the longest label
            const std::string label = PageLabel();
            const std::string count = label.substr(label.rfind(' ') + 1);
            ASSERT_EQ(label, count + " of " + count);
            auto& shown = Lesson().lbl1Of9;
            EXPECT_LE(Lesson().TextWidth(label), shown.Width()) << variety << " " << label;
            EXPECT_DOUBLE_EQ(shown.Left() + shown.Width(), 4320) << "right-aligned where it was designed";
        }
        Click(Lesson().btnpEXIT);
        TakeSounds();
    }
}

TEST_F(AlphabetLesson, NextAndBackWrapAroundTheLetterAndSpeakOnlyTheWord)
{
    OpenLesson();
    auto& lesson = Lesson();
    Click(lesson.btnpNEXT);
    EXPECT_EQ(ShownWord(), "Ambulance");
    EXPECT_EQ(PageLabel(), "2 of 4");
    Click(lesson.btnpNEXT);
    Click(lesson.btnpNEXT);
    EXPECT_EQ(ShownWord(), "Autumn");
    EXPECT_EQ(PageLabel(), "4 of 4");
    Click(lesson.btnpNEXT);
    EXPECT_EQ(ShownWord(), "Airplane");
    EXPECT_EQ(PageLabel(), "1 of 4");
    Click(lesson.btnpBACK);
    EXPECT_EQ(ShownWord(), "Autumn");
    EXPECT_EQ(PageLabel(), "4 of 4");
    Click(lesson.btnpBACK);
    EXPECT_EQ(PageLabel(), "3 of 4");
    EXPECT_TRUE(SamePicture(lesson.picMAINWINDOW.Picture(), ResourcePicture("APPLE", "CUSTOM")));
    EXPECT_EQ(TakeSounds(), (Sounds{"AMBULANCE", "APPLE", "AUTUMN", "AIRPLANE", "AUTUMN", "APPLE"}));
}

TEST_F(AlphabetLesson, XRayKeepsItsBlankAndNextAlternatesBetweenTheTwoWordsOfX)
{
    OpenLesson();
    auto& lesson = Lesson();
    ClickLetter('X');
    EXPECT_EQ(TakeSounds(), (Sounds{"X", "XRAY"}));
    EXPECT_EQ(lesson.lblTITLE1(0).Caption(), "X");
    EXPECT_EQ(lesson.lblTITLE2(0).Caption(), " ray");
    EXPECT_EQ(PageLabel(), "1 of 2");
    EXPECT_TRUE(SamePicture(lesson.picMAINWINDOW.Picture(), ResourcePicture("XRAY", "CUSTOM")));
    // The two layers of the title read as one word, the rest 60 twips right of the letter.
    for (int layer = 0; layer < 2; ++layer) {
        EXPECT_EQ(lesson.lblTITLE2(layer).Left(),
                  lesson.lblTITLE1(layer).Left() + lesson.lblTITLE1(layer).Width() + 60);
    }
    EXPECT_EQ(lesson.lblTITLE2(0).Left() - lesson.lblTITLE2(1).Left(), 45);

    std::vector<std::string> pages;
    for (int click = 0; click < 3; ++click) {
        Click(lesson.btnpNEXT);
        pages.push_back(PageLabel() + " " + ShownWord());
    }
    Click(lesson.btnpBACK);
    pages.push_back(PageLabel() + " " + ShownWord());
    EXPECT_EQ(pages, (std::vector<std::string>{"2 of 2 Xylophone", "1 of 2 X ray", "2 of 2 Xylophone",
                                               "1 of 2 X ray"}));
    EXPECT_EQ(TakeSounds(), (Sounds{"XYLOPHONE", "XRAY", "XYLOPHONE", "XRAY"}));
}

TEST_F(AlphabetLesson, SpeakerSpeaksTheShownWordAgainWithoutTheLetter)
{
    OpenLesson();
    auto& lesson = Lesson();
    ClickLetter('B');
    Click(lesson.btnpNEXT);
    Click(lesson.btnpNEXT);
    EXPECT_EQ(PageLabel(), "3 of 13");
    TakeSounds();
    Click(lesson.btnpHELP);
    EXPECT_EQ(TakeSounds(), (Sounds{"BASKETBALL"}));
    EXPECT_EQ(PageLabel(), "3 of 13");
    EXPECT_EQ(ShownWord(), "Basketball");
}

TEST_F(AlphabetLesson, ChoosingALetterAlwaysStartsAtItsFirstPage)
{
    OpenLesson();
    auto& lesson = Lesson();
    ClickLetter('B');
    Click(lesson.btnpNEXT);
    Click(lesson.btnpNEXT);
    TakeSounds();
    ClickLetter('C');
    EXPECT_EQ(TakeSounds(), (Sounds{"C", "CAMEL"}));
    EXPECT_EQ(PageLabel(), "1 of 8");
    // The same letter again starts over too.
    Click(lesson.btnpNEXT);
    ClickLetter('C');
    EXPECT_EQ(PageLabel(), "1 of 8");
    EXPECT_EQ(TakeSounds(), (Sounds{"CAR", "C", "CAMEL"}));
    // The last letter of the second row.
    ClickLetter('Z');
    EXPECT_EQ(ShownWord(), "Zebra");
    EXPECT_EQ(PageLabel(), "1 of 4");
}

TEST_F(AlphabetLesson, ClicksWhileALetterAndWordAreSpokenLeaveThePageAndTheWordSpokenAgreeing)
{
    OpenLesson();
    // Next while C is spoken and D while its first word is spoken: clicks made during a sound
    // are dropped, so the page shown is the one whose word was spoken last.
    WhileSoundPlays(1, [] { QueueClick(Lesson().btnpNEXT); });
    WhileSoundPlays(2, [] { QueueClick(Lesson().btnpLETTERS(3)); });
    ClickLetter('C');
    qby::test::ProcessEvents();
    const auto sounds = TakeSounds();
    ASSERT_EQ(sounds.size(), 2u);
    EXPECT_EQ(sounds[0], "C");
    EXPECT_EQ(PageLabel().substr(0, 5), "1 of ");
    EXPECT_EQ(ShownWord().substr(0, 1), "C");
    std::string key = ShownWord();
    key.erase(std::remove(key.begin(), key.end(), ' '), key.end());
    std::transform(key.begin(), key.end(), key.begin(), [](unsigned char c) { return std::toupper(c); });
    EXPECT_EQ(sounds[1], key) << "the word spoken last is the word shown";

    // Exit waiting behind a letter: the lesson closes for good, and no word of a window that
    // has gone is spoken.
    QueueClick(Lesson().btnpLETTERS(1));
    QueueClick(Lesson().btnpEXIT);
    qby::test::ProcessEvents();
    EXPECT_FALSE(Lesson().IsLoaded());
    ASSERT_TRUE(frmMAINMENU->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"B"});
}

TEST_F(AlphabetLesson, ExitClosesTheLessonAndShowsTheMenu)
{
    OpenLesson();
    Click(Lesson().btnpEXIT);
    qby::test::ProcessEvents();
    EXPECT_FALSE(frmLESSALPH->IsLoaded());
    ASSERT_TRUE(frmMAINMENU->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
    EXPECT_TRUE(TakeSounds().empty());
}

TEST_F(AlphabetLesson, ClosingTheWindowOtherwiseDoesWhatExitDoes)
{
    OpenLesson();
    qby::test::RequestClose(*frmLESSALPH);
    qby::test::ProcessEvents();
    EXPECT_FALSE(frmLESSALPH->IsLoaded());
    ASSERT_TRUE(frmMAINMENU->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
}

TEST_F(AlphabetLesson, ClosingTheMainWindowClosesTheLessonAndEndsTheProgram)
{
    OpenLesson();
    mdiPROGMAIN->Unload();
    EXPECT_FALSE(frmLESSALPH->IsLoaded());
    EXPECT_FALSE(mdiPROGMAIN->IsLoaded());
    EXPECT_TRUE(qby::IsEnding());
}

TEST_F(AlphabetLesson, ReopeningStartsAgainAtAPageOne)
{
    OpenLesson();
    auto& lesson = Lesson();
    ClickLetter('B');
    Click(lesson.btnpNEXT);
    Click(lesson.btnpNEXT);
    Click(lesson.btnpEXIT);
    qby::test::ProcessEvents();
    ASSERT_FALSE(frmLESSALPH->IsLoaded());
    TakeSounds();
    EXPECT_EQ(OpenLesson(), (Sounds{"A", "AIRPLANE"}));
    EXPECT_EQ(ShownWord(), "Airplane");
    EXPECT_EQ(PageLabel(), "1 of 4");
    Click(lesson.btnpNEXT);
    EXPECT_EQ(PageLabel(), "2 of 4") << "the page counts from the new start";
}

}  // namespace
}  // namespace lessontest
