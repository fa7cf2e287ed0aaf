// The four feedback boxes as a lesson uses them: filled first (which loads the box and plays its
// sound before it comes up), shown modal over the main window, closed by their buttons; the
// heading of the two boxes of praise flashing on the test clock; the play-again answer.
#include "LessonFixture.h"

#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGCRT10.h"
#include "lessons/frmMSGPLYAG.h"
#include "lessons/frmMSGWRONG.h"

#include <gtest/gtest-spi.h>

#include <chrono>

namespace lessontest {
namespace {

constexpr qby::OLE_COLOR kBlue = 0xFF0000;
constexpr qby::OLE_COLOR kWhite = 0xFFFFFF;

class FeedbackBoxes : public LessonFixture {
protected:
    // From now on, notes for each sound whether `box` is up on the screen while it plays.
    void WatchWhileSounding(qby::Form& box)
    {
        shownDuringSounds_.clear();
        recorder->UseClock([] { return std::chrono::microseconds(0); },
                           [this, &box](std::chrono::microseconds) {
                               shownDuringSounds_.push_back(qby::test::IsShownOnScreen(box));
                           });
    }
    const std::vector<bool>& shownDuringSounds() const { return shownDuringSounds_; }

private:
    std::vector<bool> shownDuringSounds_;
};

TEST_F(FeedbackBoxes, RightAnswerBoxSoundsWhenFilledAndComesUpAfterwards)
{
    auto& box = *frmMSGCRECT;
    WatchWhileSounding(box);
    const qby::Picture apple = ResourcePicture("APPLE", "CUSTOM");

    // Filling the box loads it: the reward sound has played before the lesson shows it.
    box.imgPICTURE.Picture(apple);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"WIN"});
    EXPECT_EQ(shownDuringSounds(), std::vector<bool>{false});
    box.lblWordWas.Caption("You found Apple");
    EXPECT_TRUE(TakeSounds().empty()) << "the sound plays once per load";

    const bool ran = ShowModal(box, [&] {
        EXPECT_TRUE(qby::test::IsShownOnScreen(box));
        EXPECT_EQ(box.Caption(), "Quillby");
        EXPECT_EQ(box.lblCORRECT.Caption(), "You are correct !");
        EXPECT_EQ(box.lblWordWas.Caption(), "You found Apple");
        EXPECT_TRUE(SamePicture(box.imgPICTURE.Picture(), apple));
        EXPECT_EQ(box.btnpOK.CAPTION(), "OK");
        EXPECT_TRUE(SamePicture(box.Picture(), ResourcePicture("MSGBOX", "DIALOG")));
        Click(box.btnpOK);
        EXPECT_FALSE(box.IsLoaded());
    });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(box.IsLoaded());
    EXPECT_TRUE(TakeSounds().empty()) << "showing plays nothing more";
}

TEST_F(FeedbackBoxes, HeadingOfThePraiseBoxesFlashesEverySecondFromWhite)
{
    for (qby::Form* form : {static_cast<qby::Form*>(&*frmMSGCRECT), static_cast<qby::Form*>(&*frmMSGCRT10)}) {
        qby::Label& heading = form == &*frmMSGCRECT ? frmMSGCRECT->lblCORRECT : frmMSGCRT10->lblCORRECT;
        picbtn& ok = form == &*frmMSGCRECT ? frmMSGCRECT->btnpOK : frmMSGCRT10->btnpOK;
        // Twice in a row: each load starts again from the design's white, a full second ahead.
        for (int showing = 0; showing < 2; ++showing) {
            std::vector<qby::OLE_COLOR> colours;
            ShowModal(*form, [&] {
                colours.push_back(heading.ForeColor());
                qby::TestClock::Advance(999);
                colours.push_back(heading.ForeColor());
                qby::TestClock::Advance(1);
                colours.push_back(heading.ForeColor());
                qby::TestClock::Advance(1000);
                colours.push_back(heading.ForeColor());
                qby::TestClock::Advance(1000);
                colours.push_back(heading.ForeColor());
                Click(ok);
            });
            EXPECT_EQ(colours, (std::vector<qby::OLE_COLOR>{kWhite, kWhite, kBlue, kWhite, kBlue}))
                << form->Name() << " showing " << showing;
            EXPECT_FALSE(form->IsLoaded());
        }
    }
    EXPECT_EQ(TakeSounds(), (std::vector<std::string>{"WIN", "WIN", "BELLHIGH", "BELLHIGH"}));
}

TEST_F(FeedbackBoxes, AnyHeadingColourButBlueTurnsBlueAtTheNextTick)
{
    auto& box = *frmMSGCRECT;
    ShowModal(box, [&] {
        box.lblCORRECT.ForeColor(0x00FF00);
        qby::TestClock::Advance(1000);
        EXPECT_EQ(box.lblCORRECT.ForeColor(), kBlue);
        qby::TestClock::Advance(1000);
        EXPECT_EQ(box.lblCORRECT.ForeColor(), kWhite);
        Click(box.btnpOK);
    });
}

TEST_F(FeedbackBoxes, TenInARowBoxRingsTheBellBeforeItComesUp)
{
    auto& box = *frmMSGCRT10;
    WatchWhileSounding(box);
    const bool ran = ShowModal(box, [&] {
        EXPECT_EQ(box.lblCORRECT.Caption(), "Well Done!");
        EXPECT_EQ(box.lblWordWas.Caption(), "You have found 10 correct answers in a row.");
        EXPECT_EQ(box.Label1.Caption(), "Keep learning with your English .");
        EXPECT_EQ(box.btnpOK.CAPTION(), "OK");
        Click(box.btnpOK);
    });
    EXPECT_TRUE(ran);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"BELLHIGH"});
    EXPECT_EQ(shownDuringSounds(), std::vector<bool>{false});
    EXPECT_FALSE(box.IsLoaded());
}

TEST_F(FeedbackBoxes, WrongBoxStartsFromItsDesignAtEveryLoad)
{
    auto& box = *frmMSGWRONG;
    WatchWhileSounding(box);
    const qby::Picture cat = ResourcePicture("CAT", "CUSTOM");
    const qby::Picture dog = ResourcePicture("DOG", "CUSTOM");

    // A wrong pair: two pictures side by side in place of the one.
    box.imgPICTURE.Visible(false);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"LOOSE"});
    EXPECT_EQ(shownDuringSounds(), std::vector<bool>{false});
    box.imgPICTUREA.Picture(cat);
    box.imgPICTUREA.Visible(true);
    box.imgPICTUREB.Picture(dog);
    box.imgPICTUREB.Visible(true);
    box.lblWordWasfrmMSGWRONG.Caption("Cat and Dog are not a pair");
    ShowModal(box, [&] {
        EXPECT_EQ(box.lblWRONG.Caption(), "Sorry that is wrong");
        EXPECT_TRUE(qby::test::IsShownOnScreen(box.imgPICTUREA));
        EXPECT_TRUE(qby::test::IsShownOnScreen(box.imgPICTUREB));
        EXPECT_FALSE(qby::test::IsShownOnScreen(box.imgPICTURE));
        // No flash in this box.
        qby::TestClock::Advance(3000);
        EXPECT_EQ(box.lblWRONG.ForeColor(), qby::vbBlack);
        Click(box.btnpOK);
    });
    EXPECT_FALSE(box.IsLoaded());

    // The next wrong answer: a fresh box with one picture, the side places hidden again.
    box.imgPICTURE.Picture(cat);
    EXPECT_EQ(TakeSounds(), std::vector<std::string>{"LOOSE"});
    ShowModal(box, [&] {
        EXPECT_EQ(box.lblWordWasfrmMSGWRONG.Caption(), " Word was");
        EXPECT_TRUE(qby::test::IsShownOnScreen(box.imgPICTURE));
        EXPECT_FALSE(box.imgPICTUREA.Visible());
        EXPECT_FALSE(box.imgPICTUREB.Visible());
        EXPECT_TRUE(box.imgPICTUREA.Picture().IsEmpty());
        EXPECT_EQ(box.btnpOK.CAPTION(), "OK");
        Click(box.btnpOK);
    });
    EXPECT_FALSE(box.IsLoaded());
}

TEST_F(FeedbackBoxes, PlayAgainAnswersYesNoAndClosingMeansYes)
{
    auto& box = *frmMSGPLYAG;
    // The answer left after the learner presses `button` (or, for none, closes the box); the
    // flag is set beforehand to `before`.
    auto answer = [&](picbtn* button, bool before) {
        blnPlayAgain = before;
        ShowModal(box, [&] {
            EXPECT_EQ(box.lblPLAYAGAIN.Caption(), "Would you like to play again?");
            EXPECT_EQ(box.btnpYES.CAPTION(), "Yes Please");
            EXPECT_EQ(box.btnpNO.CAPTION(), "No Thankyou");
            EXPECT_TRUE(blnPlayAgain) << "the load answers yes";
            if (button)
                Click(*button);
            else
                qby::test::RequestClose(box);
        });
        EXPECT_FALSE(box.IsLoaded());
        return blnPlayAgain;
    };
    EXPECT_FALSE(answer(&box.btnpNO, true));
    EXPECT_TRUE(answer(&box.btnpYES, false));
    EXPECT_FALSE(answer(&box.btnpNO, true));
    EXPECT_TRUE(answer(nullptr, false)) << "closed without an answer: the load's True stands";
    EXPECT_TRUE(TakeSounds().empty()) << "the play-again box is silent";
}

TEST_F(FeedbackBoxes, BoxesAreFixedDialogsOutOfTheTaskbarCentredOnTheScreen)
{
    struct Expected {
        qby::Form* box;
        int width, height;  // client area in pixels
    };
    for (const Expected& e : {Expected{&*frmMSGCRECT, 513, 249}, Expected{&*frmMSGWRONG, 513, 250},
                              Expected{&*frmMSGCRT10, 507, 243}, Expected{&*frmMSGPLYAG, 513, 199}}) {
        ShowModal(*e.box, [&] {
            EXPECT_EQ(e.box->Caption(), "Quillby");
            EXPECT_TRUE(qby::test::HasFrame(*e.box));
            EXPECT_FALSE(qby::test::IsResizable(*e.box));
            EXPECT_FALSE(qby::test::IsInTaskbar(*e.box));
            const auto client = qby::test::RectOnScreen(*e.box);
            EXPECT_EQ(client.width, e.width) << e.box->Name();
            EXPECT_EQ(client.height, e.height) << e.box->Name();
            const int screenWidth = static_cast<int>(qby::Screen.Width() / 15);
            EXPECT_NEAR(client.left + client.width / 2, screenWidth / 2, 20) << e.box->Name();
            e.box->Unload();
        });
        EXPECT_FALSE(e.box->IsLoaded());
    }
}

// A box that no step of a lesson test waits for is a failure naming it, at once: the test goes on
// with the box closed rather than waiting for a click that never comes.
TEST_F(FeedbackBoxes, AnUnexpectedBoxFailsTheTestAtOnceNamingIt)
{
    EXPECT_NONFATAL_FAILURE(frmMSGWRONG->Show(qby::vbModal, mdiPROGMAIN), "unexpected modal window frmMSGWRONG");
    EXPECT_FALSE(frmMSGWRONG->IsLoaded());
}

}  // namespace
}  // namespace lessontest
