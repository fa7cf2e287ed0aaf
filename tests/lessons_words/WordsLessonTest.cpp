// Words by subject: the asked word with its picture and five choices, the correct box with the
// word spoken 200 ms into it, the run of ten and the well-done box, a wrong answer restarting
// the run, the run kept across visits, and the way back to the words menu.
#include "WordsFixture.h"

#include "lessons/frmLESSWRDM.h"
#include "lessons/frmLESSWRDS.h"
#include "shell/frmMAINMENU.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace lessontest {
namespace {

const std::vector<std::string> kAnimals = {
    "Bear",     "Camel", "Dolphin",  "Duck",  "Eagle",      "Elephant", "Emu",      "Giraffe", "Goose",
    "Hippopotamus", "Horse", "Hyena", "Ibis", "Jaguar",     "Jellyfish", "Kangaroo", "Koala",  "Kookaburra",
    "Lion",     "Nest",  "Quail",    "Quokka", "Rhinoceros", "Squirrel", "Tiger",    "Turtle", "Unicorn",
    "Wallaby",  "Whale", "Zebra",    "Zoo"};
const std::vector<std::string> kMusical = {"Drum",     "Flute",   "Guitar", "Mandolin", "Piano",
                                           "Recorder", "Trumpet", "Violin", "Xylophone"};
const std::vector<std::string> kAmericanSports = {"Baseball", "Basketball", "Diving", "Fishing", "Golf",
                                                  "Ping Pong", "Running", "Ski", "Soccer", "Whistle"};
const std::vector<std::string> kBritishFruit = {"Apple", "Banana", "Blackberry", "Blueberry", "Cherry",
                                                "Grape", "Kiwi fruit", "Lemon", "Lime", "Mango",
                                                "Melon", "Orange", "Pineapple", "Strawberry", "Watermelon"};

constexpr qby::OLE_COLOR kGaugeBlue = 0xF29575;

class WordsLesson : public WordsFixture {
protected:
    // Opens the words menu and releases the mouse on the subject button of this index.
    void OpenSubject(int index)
    {
        if (frmMAINMENU->IsLoaded()) frmMAINMENU->Unload();
        frmLESSWRDM->Show();
        auto& button = frmLESSWRDM->btnpPICWORD1(index);
        qby::test::MouseMove(button, 5, 5);
        qby::test::MouseMove(button, 20, 20);
        qby::test::MouseClick(button, 20, 20);
        qby::test::ProcessEvents();
        ASSERT_TRUE(Lesson().IsLoaded());
    }
    // The run lasts as long as the program: a wrong answer brings it back to 0 before a test
    // that counts from there. Leaves the words menu open.
    void StartWithNoRun()
    {
        OpenSubject(0);
        if (RunTip() != "0/10") {
            AnswerBoxes();
            ClickWrong();
            qby::test::OnModalShown(nullptr);
        }
        Click(Lesson().btnpEXIT);
        TakeLog();
    }
    // The animals, asking Dolphin (position 3): the deal first draws Camel, then the asked word,
    // which is drawn again, then Duck, Eagle, Elephant and Emu; Dolphin takes the place of
    // button 3.
    void OpenAnimalsAskingDolphin()
    {
        StartWithNoRun();
        QueueDraws({Pick(2, 31), Pick(1, 31), Pick(1, 30), Pick(2, 30), Pick(2, 29), Pick(2, 28), Pick(2, 27),
                    Pick(3, 5)});
        OpenSubject(0);
        TakeSounds();
    }
    static frmLESSWRDS_Form& Lesson() { return *frmLESSWRDS; }
    static std::string Asked() { return Lesson().lblSPEAK.Caption(); }
    static std::vector<std::string> Choices()
    {
        std::vector<std::string> captions;
        for (int i = 0; i < 5; ++i) captions.push_back(Lesson().btnpPICWORD1(i).CAPTION());
        return captions;
    }
    static int ButtonOf(const std::string& word)
    {
        const auto choices = Choices();
        return static_cast<int>(std::find(choices.begin(), choices.end(), word) - choices.begin());
    }
    static std::string WordKey(std::string word)
    {
        word.erase(std::remove(word.begin(), word.end(), ' '), word.end());
        std::transform(word.begin(), word.end(), word.begin(), [](unsigned char c) { return std::toupper(c); });
        return word;
    }
    static long TimesOnButtons(const std::string& word)
    {
        const auto choices = Choices();
        return std::count(choices.begin(), choices.end(), word);
    }
    static void ClickRight() { Click(Lesson().btnpPICWORD1(ButtonOf(Asked()))); }
    static void ClickWrong() { Click(Lesson().btnpPICWORD1(ButtonOf(Asked()) == 0 ? 1 : 0)); }
    static std::string RunTip() { return Lesson().picSCALE.ToolTipText(); }
    // How many tenths of the gauge, counted from the bottom, show the blue box as the learner
    // sees it (the rest is under the white cover).
    static int BlueTenths()
    {
        const auto shown = qby::test::Grab(Lesson().picSCALE);
        int blue = 0;
        for (int y = 0; y < shown.height; ++y) blue += shown.Point(shown.width / 2, y) == kGaugeBlue;
        const double tenth = Lesson().picSCALE.ScaleHeight() / 15 / 10;
        return static_cast<int>(std::lround(blue / tenth));
    }
};

TEST_F(WordsLesson, OpensWithTheAskedWordItsPictureAndFiveChoices)
{
    OpenAnimalsAskingDolphin();
    auto& l = Lesson();
    EXPECT_TRUE(qby::test::IsShownOnScreen(l));
    EXPECT_EQ(l.lblWORDS(0).Caption(), "Words - Animals");
    EXPECT_EQ(l.lblWORDS(1).Caption(), "Words - Animals");
    EXPECT_EQ(l.lblWORDSCLICK.Caption(), "Click a word from below to link to this picture.");
    EXPECT_EQ(l.lbl1Of9frmLESSWRDS.Caption(), "3 of 31");
    EXPECT_EQ(l.lbl1Of9frmLESSWRDS.ToolTipText(), "The number of current pictures");
    EXPECT_EQ(l.btnpNEXT.CAPTION(), "Go to next");
    EXPECT_EQ(l.btnpEXIT.CAPTION(), "Close");
    EXPECT_EQ(l.btnpHELP.ToolTip(), "Click here to have help about this picture");
    EXPECT_EQ(Asked(), "Dolphin");
    EXPECT_TRUE(SamePicture(l.picMAINWINDOW.Picture(), ResourcePicture("DOLPHIN", "CUSTOM")));
    EXPECT_EQ(Choices(), (std::vector<std::string>{"Camel", "Duck", "Eagle", "Dolphin", "Emu"}));
    EXPECT_EQ(RunTip(), "0/10");
    EXPECT_EQ(BlueTenths(), 0);
    EXPECT_TRUE(SamePicture(l.btnpHELP.PictureNormal(), ResourcePicture("BTNSPEAKERNORMAL", "BITMAP")));
    EXPECT_TRUE(SamePicture(l.btnpPICWORD1(4).PictureNormal(), ResourcePicture("BTNNORMAL", "BITMAP")));
    EXPECT_TRUE(TakeSounds().empty());

    Click(l.btnpHELP);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"DOLPHIN"});
}

TEST_F(WordsLesson, RightAnswerShowsTheBoxAndSpeaksTheWord200msIntoIt)
{
    OpenAnimalsAskingDolphin();
    const qby::Picture dolphin = ResourcePicture("DOLPHIN", "CUSTOM");
    bool checked = false;
    AnswerBoxes(0, [&](qby::Form& box) {
        ASSERT_EQ(&box, &*frmMSGCRECT);
        checked = true;
        EXPECT_TRUE(qby::test::IsShownOnScreen(box));
        EXPECT_TRUE(SamePicture(frmMSGCRECT->imgPICTURE.Picture(), dolphin));
        EXPECT_EQ(RunTip(), "0/10") << "the run goes up once the box has closed";
        qby::TestClock::Advance(199);
        EXPECT_TRUE(TakeSounds().empty());
        qby::TestClock::Advance(1);
        EXPECT_EQ(TakeSounds(), std::vector<std::string>{"DOLPHIN"});
        qby::TestClock::Advance(2000);
        EXPECT_TRUE(TakeSounds().empty()) << "the word is spoken once";
    });
    Click(Lesson().btnpPICWORD1(3));
    EXPECT_TRUE(checked);
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"WIN", "up:frmMSGCRECT", "text:You found Dolphin"}));
    EXPECT_FALSE(frmMSGCRECT->IsLoaded());
    qby::TestClock::Advance(3000);
    EXPECT_TRUE(TakeSounds().empty()) << "nothing more is spoken once the box has closed";
    EXPECT_EQ(RunTip(), "1/10");
    EXPECT_EQ(BlueTenths(), 1);
    // A new word, never the same one twice in a row, with a fresh deal.
    EXPECT_NE(Asked(), "Dolphin");
    EXPECT_EQ(TimesOnButtons(Asked()), 1);
    EXPECT_TRUE(SamePicture(Lesson().picMAINWINDOW.Picture(), ResourcePicture(WordKey(Asked()), "CUSTOM")));
}

TEST_F(WordsLesson, ClicksDuringTheRightAnswersSoundGiveOneBoxAndOneStepOfTheRun)
{
    OpenAnimalsAskingDolphin();
    auto& right = Lesson().btnpPICWORD1(3);
    AnswerBoxes();  // OK at once, before the word is due

    // The right word clicked twice, with Close waiting behind; the right word again, Next and
    // Close while the reward sound plays.
    WhileSoundPlays(1, [&] {
        QueueClick(right);
        QueueClick(Lesson().btnpNEXT);
        QueueClick(Lesson().btnpEXIT);
    });
    QueueClick(right);
    QueueClick(right);
    QueueClick(Lesson().btnpEXIT);
    qby::test::ProcessEvents();
    qby::TestClock::Advance(1000);
    qby::test::ProcessEvents();

    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"WIN", "up:frmMSGCRECT", "text:You found Dolphin", "DOLPHIN"}))
        << "one box, and the word found spoken once as it closes";
    EXPECT_EQ(RunTip(), "1/10");
    EXPECT_EQ(BlueTenths(), 1);
    ASSERT_TRUE(Lesson().IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(Lesson()));
    EXPECT_FALSE(frmLESSWRDM->IsLoaded());
    EXPECT_NE(Asked(), "Dolphin");
    EXPECT_EQ(TimesOnButtons(Asked()), 1);

    // Close ends in the words menu with no box over it, and another subject opens afresh.
    Click(Lesson().btnpEXIT);
    qby::test::ProcessEvents();
    qby::TestClock::Advance(1000);
    EXPECT_TRUE(TakeLog().empty());
    EXPECT_FALSE(Lesson().IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmLESSWRDM));
    OpenSubject(4);
    EXPECT_EQ(Lesson().lblWORDS(0).Caption(), "Words - Musical");
    EXPECT_NE(std::find(kMusical.begin(), kMusical.end(), Asked()), kMusical.end()) << Asked();
    EXPECT_EQ(RunTip(), "1/10");
}

TEST_F(WordsLesson, TenthRightAnswerInARowEarnsTheWellDoneBoxAndRestartsTheRun)
{
    StartWithNoRun();
    OpenSubject(0);
    TakeSounds();
    std::vector<std::string> expected;
    bool sawTenOfTen = false;
    AnswerBoxes(200, [&](qby::Form& box) {
        if (&box != &*frmMSGCRT10) return;
        // The tenth right answer has moved the gauge to the top before the well-done box.
        sawTenOfTen = RunTip() == "10/10" && BlueTenths() == 10;
    });
    for (int answer = 1; answer <= 10; ++answer) {
        const std::string word = Asked();
        expected.insert(expected.end(), {"WIN", "up:frmMSGCRECT", "text:You found " + word, WordKey(word)});
        ClickRight();
        if (answer < 10) {
            EXPECT_EQ(RunTip(), std::to_string(answer) + "/10");
            EXPECT_EQ(BlueTenths(), answer);
        }
    }
    expected.insert(expected.end(),
                    {"BELLHIGH", "up:frmMSGCRT10", "text:You have found 10 correct answers in a row."});
    EXPECT_EQ(TakeLog(), expected);
    EXPECT_TRUE(sawTenOfTen);
    EXPECT_FALSE(frmMSGCRT10->IsLoaded());
    EXPECT_EQ(RunTip(), "0/10");
    EXPECT_EQ(BlueTenths(), 0);
    EXPECT_EQ(Lesson().shpLEVEL.Top(), 0);
}

TEST_F(WordsLesson, WrongAnswerRestartsTheRunAndKeepsTheQuestion)
{
    StartWithNoRun();
    OpenSubject(0);
    AnswerBoxes(200);
    for (int answer = 0; answer < 9; ++answer) ClickRight();
    ASSERT_EQ(RunTip(), "9/10");
    TakeLog();

    const std::string asked = Asked();
    const auto choices = Choices();
    const qby::Picture shown = Lesson().picMAINWINDOW.Picture();
    bool checked = false;
    AnswerBoxes(200, [&](qby::Form& box) {
        ASSERT_EQ(&box, &*frmMSGWRONG);
        checked = true;
        EXPECT_TRUE(SamePicture(frmMSGWRONG->imgPICTURE.Picture(), shown));
        EXPECT_EQ(RunTip(), "0/10");
    });
    ClickWrong();
    EXPECT_TRUE(checked);
    EXPECT_EQ(TakeLog(),
              (std::vector<std::string>{"LOOSE", "up:frmMSGWRONG", "text:You have not found the correct one"}))
        << "no word is spoken after a wrong answer";
    EXPECT_EQ(RunTip(), "0/10");
    EXPECT_EQ(BlueTenths(), 0);
    EXPECT_EQ(Asked(), asked);
    EXPECT_EQ(Choices(), choices);
    EXPECT_TRUE(SamePicture(Lesson().picMAINWINDOW.Picture(), shown));

    AnswerBoxes(200);
    ClickRight();
    EXPECT_EQ(RunTip(), "1/10");
}

TEST_F(WordsLesson, RunSurvivesAReturnToTheMenuAndAnotherSubject)
{
    StartWithNoRun();
    OpenSubject(0);
    AnswerBoxes(200);
    for (int answer = 0; answer < 3; ++answer) ClickRight();
    ASSERT_EQ(RunTip(), "3/10");

    Click(Lesson().btnpEXIT);
    qby::test::ProcessEvents();
    EXPECT_FALSE(Lesson().IsLoaded());
    ASSERT_TRUE(frmLESSWRDM->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmLESSWRDM));
    EXPECT_FALSE(frmMAINMENU->IsLoaded());

    OpenSubject(2);
    EXPECT_EQ(Lesson().lblWORDS(0).Caption(), "Words - Fruit");
    EXPECT_EQ(RunTip(), "3/10");
    EXPECT_EQ(BlueTenths(), 3) << "the gauge shows the kept run at once";
    ClickRight();
    EXPECT_EQ(RunTip(), "4/10");
    EXPECT_EQ(BlueTenths(), 4);
}

TEST_F(WordsLesson, NextAsksAnotherWordAndLeavesTheRun)
{
    StartWithNoRun();
    OpenSubject(0);
    AnswerBoxes(200);
    ClickRight();
    ClickRight();
    TakeLog();
    for (int next = 0; next < 5; ++next) {
        const std::string before = Asked();
        Click(Lesson().btnpNEXT);
        EXPECT_NE(Asked(), before);
        EXPECT_EQ(TimesOnButtons(Asked()), 1);
        EXPECT_EQ(RunTip(), "2/10");
        EXPECT_EQ(BlueTenths(), 2);
    }
    EXPECT_TRUE(TakeLog().empty());
}

TEST_F(WordsLesson, DrawsAreFairOverThousandsOfQuestions)
{
    // The draws come from the fixture's fixed-seed generator, so the counts below are the same
    // on every run; the bounds lie more than four standard deviations from the expected counts.
    constexpr int kQuestions = 3000;
    OpenSubject(4);  // Musical instruments: 9 words
    std::map<std::string, int> asked;
    std::map<std::string, int> wrongChoice;
    std::vector<int> askedOnButton(5, 0);
    std::string previous;
    for (int question = 0; question < kQuestions; ++question) {
        const auto choices = Choices();
        ASSERT_EQ(std::set<std::string>(choices.begin(), choices.end()).size(), 5u) << "five different words";
        ASSERT_EQ(TimesOnButtons(Asked()), 1);
        ASSERT_NE(Asked(), previous) << "the same word twice in a row";
        const auto position = std::find(kMusical.begin(), kMusical.end(), Asked()) - kMusical.begin() + 1;
        ASSERT_EQ(Lesson().lbl1Of9frmLESSWRDS.Caption(), std::to_string(position) + " of 9");
        ++asked[Asked()];
        ++askedOnButton[static_cast<std::size_t>(ButtonOf(Asked()))];
        for (const std::string& word : choices) {
            ASSERT_NE(std::find(kMusical.begin(), kMusical.end(), word), kMusical.end()) << word;
            if (word != Asked()) ++wrongChoice[word];
        }
        previous = Asked();
        Click(Lesson().btnpNEXT);
    }
    // Every position from 1 to 9, the last one (Xylophone) included, equally often: 3000 / 9.
    for (const std::string& word : kMusical) {
        EXPECT_GT(asked[word], 250) << word;
        EXPECT_LT(asked[word], 417) << word;
    }
    // Every other word, the first one (Drum) included, is dealt as a wrong choice: each word
    // stands as one 4 times in 8 of the questions that do not ask it.
    for (const std::string& word : kMusical) {
        const double expected = (kQuestions - asked[word]) * 4.0 / 8.0;
        EXPECT_GT(wrongChoice[word], expected - 120) << word;
        EXPECT_LT(wrongChoice[word], expected + 120) << word;
    }
    // The asked word on each of the five buttons equally often: 3000 / 5.
    for (int onButton : askedOnButton) {
        EXPECT_GT(onButton, 510);
        EXPECT_LT(onButton, 690);
    }
}

TEST_F(WordsLesson, WordsKeepTheirBlanksAndSpellingOfTheVarietyInForce)
{
    // American sports: "Ping Pong" as the table writes it; its picture and recording without
    // the blank.
    QueueDraws({Pick(5, 10)});
    QueueDeal(kAmericanSports, {"Golf", "Running", "Ski", "Soccer", "Whistle"}, 2);
    OpenSubject(7);
    EXPECT_EQ(Asked(), "Ping Pong");
    EXPECT_EQ(Choices(), (std::vector<std::string>{"Golf", "Running", "Ping Pong", "Soccer", "Whistle"}));
    EXPECT_TRUE(SamePicture(Lesson().picMAINWINDOW.Picture(), ResourcePicture("PINGPONG", "CUSTOM")));
    AnswerBoxes(200);
    Click(Lesson().btnpPICWORD1(2));
    EXPECT_EQ(TakeLog(), (std::vector<std::string>{"WIN", "up:frmMSGCRECT", "text:You found Ping Pong", "PINGPONG"}));
    Click(Lesson().btnpEXIT);

    // British fruit: "Kiwi fruit" at position 7 of 15.
    strLanguage = "ENGLISH";
    QueueDraws({Pick(6, 15)});
    QueueDeal(kBritishFruit, {"Lemon", "Lime", "Mango", "Melon", "Orange"}, 0);
    OpenSubject(2);
    EXPECT_EQ(Asked(), "Kiwi fruit");
    EXPECT_EQ(Lesson().lbl1Of9frmLESSWRDS.Caption(), "7 of 15");
    EXPECT_EQ(Choices(), (std::vector<std::string>{"Kiwi fruit", "Lime", "Mango", "Melon", "Orange"}));
    EXPECT_TRUE(SamePicture(Lesson().picMAINWINDOW.Picture(), ResourcePicture("KIWIFRUIT", "CUSTOM")));
    TakeLog();
    Click(Lesson().btnpHELP);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"KIWIFRUIT"});
}

TEST_F(WordsLesson, SubjectTooSmallOrMissingAsksNothingAndStillLeads)
{
    ReplaceTable("US_WRDS", {"PETS", "3", "Cat", "Dog", "Fish", "SPORTS", "x"});
    for (int subject : {9, 0, 7}) {
        OpenSubject(subject);
        EXPECT_EQ(Asked(), "");
        for (int i = 0; i < 5; ++i) EXPECT_FALSE(Lesson().btnpPICWORD1(i).Enabled());
        EXPECT_FALSE(Lesson().btnpNEXT.Enabled());
        Click(Lesson().btnpEXIT);
        qby::test::ProcessEvents();
        EXPECT_FALSE(Lesson().IsLoaded());
        EXPECT_TRUE(qby::test::IsShownOnScreen(*frmLESSWRDM));
    }
    EXPECT_TRUE(TakeSounds().empty());
}

}  // namespace
}  // namespace lessontest
