// Pictures and words: the word hidden as stars, letters uncovering it in its own case, the gauge
// of ten wrong letters with its colours, the solved word with the right-answer box and the word
// spoken, the lost word, and the draw of the next word from the word list.
#include "WordsFixture.h"

#include "lessons/frmLESSPCWD.h"
#include "shell/frmMAINMENU.h"

#include <algorithm>
#include <cmath>

namespace lessontest {
namespace {

class PicturesAndWords : public WordsFixture {
protected:
    // Opens the game as the menu does, drawing the line of `word` in the word list in force.
    void OpenWithWord(const std::string& word)
    {
        QueueWord(word);
        if (frmMAINMENU->IsLoaded()) frmMAINMENU->Unload();
        frmLESSPCWD->Show();
        qby::test::ProcessEvents();
        ASSERT_EQ(Game().lblWORDHIDDEN.Caption().size(), word.size());
        TakeSounds();
    }
    // The draw that picks the line of `word` next.
    void QueueWord(const std::string& word)
    {
        const auto lines = TableLines(strLanguage == "ENGLISH" ? "ENG_PICANDWORDS" : "US_PICANDWORDS");
        const auto found = std::find(lines.begin(), lines.end(), word);
        ASSERT_NE(found, lines.end()) << word;
        QueueDraws({Pick(static_cast<int>(found - lines.begin()), static_cast<int>(lines.size()))});
    }
    static frmLESSPCWD_Form& Game() { return *frmLESSPCWD; }
    static std::string Hidden() { return Game().lblWORDHIDDEN.Caption(); }
    static picbtn& Letter(char letter) { return Game().btnpLETTERS(letter - 'A'); }
    static void ClickLetter(char letter) { Click(Letter(letter)); }
    // How many tenths of the gauge, from the top, are uncovered (show the gauge's colour).
    static int UncoveredTenths()
    {
        const auto shown = qby::test::Grab(Game().picSCALE);
        const qby::OLE_COLOR colour = Game().picSCALE.BackColor();
        int rows = 0;
        for (int y = 0; y < shown.height; ++y) rows += shown.Point(shown.width / 2, y) == colour;
        return static_cast<int>(std::lround(rows / (Game().picSCALE.ScaleHeight() / 15 / 10)));
    }
    static bool AllLettersEnabled()
    {
        for (int i = 0; i < 26; ++i) {
            if (!Game().btnpLETTERS(i).Enabled()) return false;
        }
        return true;
    }
};

TEST_F(PicturesAndWords, OpensWithOneStarPerLetterAndTheWordsPicture)
{
    OpenWithWord("Knife and Fork");
    auto& g = Game();
    EXPECT_TRUE(qby::test::IsShownOnScreen(g));
    EXPECT_EQ(Hidden(), "***** *** ****");
    EXPECT_EQ(strCurrentWord, "Knife and Fork");
    EXPECT_TRUE(SamePicture(g.picMAIN.Picture(), ResourcePicture("KNIFEANDFORK", "CUSTOM")));
    EXPECT_EQ(g.lblTOPLAY.Caption(), "Click on a letter to play");
    EXPECT_EQ(g.lblWORDHIDDEN.ToolTipText(), "Click letters from below to fill these spaces");
    EXPECT_EQ(g.btnpNEW.CAPTION(), "Pass to the next pictures");
    EXPECT_EQ(g.btnpEXIT.CAPTION(), "Close");
    EXPECT_EQ(g.btnpBtnHELP.ToolTip(), "Click here to have help about this picture");
    EXPECT_TRUE(AllLettersEnabled());
    for (int i = 0; i < 26; ++i) EXPECT_EQ(g.btnpLETTERS(i).Tag(), std::string(1, static_cast<char>('A' + i)));
    EXPECT_TRUE(SamePicture(Letter('Q').cURRENTIMAGE(), ResourcePicture("Q.PictureNormal", "DESIGN/LETTERS")));
    EXPECT_EQ(UncoveredTenths(), 0);

    Click(g.btnpBtnHELP);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"KNIFEANDFORK"});
}

TEST_F(PicturesAndWords, LetterUncoversEveryPlaceInTheWordsOwnCase)
{
    OpenWithWord("Ice Cream");
    ClickLetter('C');
    EXPECT_EQ(Hidden(), "*c* C****");
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"BUTTON"});
    EXPECT_FALSE(Letter('C').Enabled());
    EXPECT_TRUE(SamePicture(Letter('C').cURRENTIMAGE(), ResourcePicture("C.PictureDisabled", "DESIGN/LETTERS")));
    ClickLetter('E');
    EXPECT_EQ(Hidden(), "*ce C*e**");
    // A letter already played cannot be played again.
    ClickLetter('C');
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"BUTTON"});
    EXPECT_EQ(UncoveredTenths(), 0) << "right letters cost nothing";
    EXPECT_EQ(Game().picSCALE.BackColor(), 0xFF00u);
}

TEST_F(PicturesAndWords, SolvingShowsTheWordAndTheBoxAndSpeaksItWhileTheBoxIsUp)
{
    OpenWithWord("Ice Cream");
    ClickLetter('Z');
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{}) << "a wrong letter makes no sound";
    EXPECT_EQ(UncoveredTenths(), 1);
    for (char letter : {'I', 'C', 'E', 'R', 'A'}) ClickLetter(letter);
    EXPECT_EQ(Hidden(), "Ice Crea*");
    TakeSounds();

    bool checked = false;
    AnswerBoxes(0, [&](qby::Form& box) {
        ASSERT_EQ(&box, &*frmMSGCRECT);
        checked = true;
        EXPECT_EQ(Hidden(), "Ice Cream") << "the complete word shows while the box is up";
        EXPECT_TRUE(SamePicture(frmMSGCRECT->imgPICTURE.Picture(), ResourcePicture("ICECREAM", "CUSTOM")));
        qby::TestClock::Advance(199);
        EXPECT_TRUE(TakeSounds().empty());
        qby::TestClock::Advance(1);
        EXPECT_EQ(TakeSounds(), std::vector<std::string>{"ICECREAM"});
        qby::TestClock::Advance(3000);
        EXPECT_TRUE(TakeSounds().empty()) << "the word is spoken once";
    });
    QueueWord("Yacht");
    ClickLetter('M');
    EXPECT_TRUE(checked);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"WIN", "up:frmMSGCRECT", "text:The word was Ice Cream"}))
        << "the last letter plays no BUTTON";
    qby::TestClock::Advance(3000);
    EXPECT_TRUE(TakeSounds().empty()) << "nothing more is spoken once the box has closed";
    // The next word at once, with every letter back and the gauge covered.
    EXPECT_EQ(Hidden(), "*****");
    EXPECT_EQ(strCurrentWord, "Yacht");
    EXPECT_TRUE(AllLettersEnabled());
    EXPECT_EQ(UncoveredTenths(), 0);
}

TEST_F(PicturesAndWords, TenthWrongLetterLosesTheWordEvenWithOneLetterMissing)
{
    OpenWithWord("Ice");
    ClickLetter('I');
    ClickLetter('C');
    EXPECT_EQ(Hidden(), "Ic*");
    TakeSounds();
    const qby::OLE_COLOR colours[10] = {0xFF00,   0xFF00,   0x50EFAB, 0x53ECEC, 0x71F5F9,
                                        0x52D1ED, 0x51BBEE, 0x4681F9, 0x4759F8, 0xFF};
    const std::string wrong = "BDFGHJKLMN";
    for (int k = 1; k <= 9; ++k) {
        ClickLetter(wrong[static_cast<std::size_t>(k - 1)]);
        EXPECT_EQ(UncoveredTenths(), k);
        EXPECT_EQ(Game().picSCALE.BackColor(), colours[k]) << k;
    }
    EXPECT_TRUE(TakeSounds().empty());

    bool checked = false;
    AnswerBoxes(1000, [&](qby::Form& box) {
        ASSERT_EQ(&box, &*frmMSGWRONG);
        checked = true;
        EXPECT_EQ(UncoveredTenths(), 10);
        EXPECT_EQ(Game().picSCALE.BackColor(), 0xFFu);
        EXPECT_EQ(Hidden(), "Ic*") << "a lost word is not uncovered";
        EXPECT_TRUE(SamePicture(frmMSGWRONG->imgPICTURE.Picture(), ResourcePicture("ICE", "CUSTOM")));
    });
    QueueWord("Zebra");
    ClickLetter('N');
    EXPECT_TRUE(checked);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"LOOSE", "up:frmMSGWRONG", "text:The word was Ice"}))
        << "the word is not spoken on this path";
    EXPECT_EQ(Hidden(), "*****");
    EXPECT_TRUE(AllLettersEnabled());
    EXPECT_EQ(UncoveredTenths(), 0);
    // A fresh count of wrong letters for the new word.
    ClickLetter('Q');
    EXPECT_EQ(UncoveredTenths(), 1);
    EXPECT_EQ(Game().picSCALE.BackColor(), 0xFF00u);
}

TEST_F(PicturesAndWords, ClicksDuringABoxsSoundGiveOneBoxPerWordAndSkipNoWord)
{
    OpenWithWord("Ice");
    for (char letter : {'I', 'C', 'B', 'D', 'F', 'G', 'H', 'J', 'K', 'L'}) ClickLetter(letter);
    TakeSounds();
    AnswerBoxes();

    // The tenth wrong letter, with a letter waiting behind it; more letters and New while the
    // wrong box's sound plays.
    QueueWord("Zebra");
    WhileSoundPlays(1, [] {
        QueueClick(Letter('Q'));
        QueueClick(Game().btnpNEW);
    });
    QueueClick(Letter('M'));
    QueueClick(Letter('P'));
    qby::test::ProcessEvents();
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"LOOSE", "up:frmMSGWRONG", "text:The word was Ice"}));
    EXPECT_EQ(strCurrentWord, "Zebra") << "the next word is not skipped";
    EXPECT_EQ(Hidden(), "*****");
    EXPECT_TRUE(AllLettersEnabled()) << "no letter of the new word was played";
    EXPECT_EQ(UncoveredTenths(), 0);

    // The last letter of Zebra, with a letter waiting behind it; a letter and Close while the
    // right box's sound plays. OK goes at once, before the word is due: the word found is
    // spoken as the box closes, not the next one.
    for (char letter : {'Z', 'E', 'B', 'R'}) ClickLetter(letter);
    TakeLog();
    QueueWord("Yacht");
    WhileSoundPlays(1, [] {
        QueueClick(Letter('Y'));
        QueueClick(Game().btnpEXIT);
    });
    QueueClick(Letter('A'));
    QueueClick(Letter('X'));
    qby::test::ProcessEvents();
    qby::TestClock::Advance(1000);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"WIN", "up:frmMSGCRECT", "text:The word was Zebra", "ZEBRA"}));
    ASSERT_TRUE(Game().IsLoaded());
    EXPECT_EQ(strCurrentWord, "Yacht");
    EXPECT_EQ(Hidden(), "*****");
    EXPECT_TRUE(AllLettersEnabled());
}

TEST_F(PicturesAndWords, DrawnLinesComeBackOnlyOnceEveryLineHasComeUp)
{
    ReplaceTable("US_PICANDWORDS", {"Cat", "Dog", "Fish"});
    QueueDraws({Pick(1, 3)});
    frmMAINMENU->Unload();
    frmLESSPCWD->Show();
    EXPECT_EQ(strCurrentWord, "Dog");
    // Dog again is drawn anew; the last line comes up too.
    QueueDraws({Pick(1, 3), Pick(2, 3)});
    Click(Game().btnpNEW);
    EXPECT_EQ(strCurrentWord, "Fish");
    QueueDraws({Pick(2, 3), Pick(1, 3), Pick(0, 3)});
    Click(Game().btnpNEW);
    EXPECT_EQ(strCurrentWord, "Cat");
    // Every line has come up: the list of drawn lines starts again.
    QueueDraws({Pick(1, 3)});
    Click(Game().btnpNEW);
    EXPECT_EQ(strCurrentWord, "Dog");
    EXPECT_EQ(Game().lstLIST.ListCount(), 1);

    // The list belongs to this opening of the window.
    Click(Game().btnpEXIT);
    QueueDraws({Pick(1, 3)});
    frmMAINMENU->Unload();
    frmLESSPCWD->Show();
    EXPECT_EQ(strCurrentWord, "Dog");
}

TEST_F(PicturesAndWords, WordListOfTheVarietyInForceToItsLastLine)
{
    strLanguage = "ENGLISH";
    OpenWithWord("Aubergine");
    EXPECT_EQ(strCurrentWord, "Aubergine");
    EXPECT_TRUE(SamePicture(Game().picMAIN.Picture(), ResourcePicture("AUBERGINE", "CUSTOM")));
    Click(Game().btnpEXIT);

    strLanguage = "AMERICAN";
    const auto lines = TableLines("US_PICANDWORDS");
    ASSERT_EQ(lines.back(), "Zucchini");
    OpenWithWord("Zucchini");
    EXPECT_EQ(strCurrentWord, "Zucchini");
    EXPECT_EQ(Hidden(), "********");
}

TEST_F(PicturesAndWords, WithoutAWordListThereIsNoWordToPlay)
{
    ReplaceTable("US_PICANDWORDS", {});
    frmMAINMENU->Unload();
    frmLESSPCWD->Show();
    EXPECT_EQ(Hidden(), " ");
    for (int i = 0; i < 26; ++i) EXPECT_FALSE(Game().btnpLETTERS(i).Enabled());
    Click(Game().btnpNEW);
    EXPECT_EQ(Hidden(), " ");
    EXPECT_TRUE(TakeSounds().empty());
}

TEST_F(PicturesAndWords, ExitAndClosingReturnToTheMenu)
{
    OpenWithWord("Rain");
    Click(Game().btnpEXIT);
    qby::test::ProcessEvents();
    EXPECT_FALSE(Game().IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));

    OpenWithWord("Snow");
    qby::test::RequestClose(Game());
    qby::test::ProcessEvents();
    EXPECT_FALSE(Game().IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
}

}  // namespace
}  // namespace lessontest
