// The words menu: the subject's name under the pointer, the choice stored for the words lesson
// on the release of either mouse button, and the ways back to the main menu.
#include "WordsFixture.h"

#include "lessons/frmLESSWRDM.h"
#include "lessons/frmLESSWRDS.h"
#include "shell/frmMAINMENU.h"

namespace lessontest {
namespace {

class WordsMenu : public WordsFixture {
protected:
    // Opens the words menu as the main menu's Words button does.
    void OpenMenu()
    {
        frmMAINMENU->Unload();
        frmLESSWRDM->Show();
        qby::test::ProcessEvents();
    }
    static frmLESSWRDM_Form& Menu() { return *frmLESSWRDM; }
    // The pointer onto a subject button (two moves, so the second is never dropped as a repeat).
    static void Hover(int index)
    {
        qby::test::MouseMove(Menu().btnpPICWORD1(index), 5, 5);
        qby::test::MouseMove(Menu().btnpPICWORD1(index), 20, 20);
    }
    static void MoveAway() { qby::test::MouseMove(Menu(), 640, 130); }
    // A press and release on a subject button with this mouse button.
    static void Release(int index, int button)
    {
        Hover(index);
        qby::test::MousePress(Menu().btnpPICWORD1(index), 20, 20, button);
        qby::test::MouseRelease(Menu().btnpPICWORD1(index), 20, 20, button);
        qby::test::ProcessEvents();
    }
};

TEST_F(WordsMenu, OpensWithItsTextsAndTheTenSubjects)
{
    OpenMenu();
    auto& m = Menu();
    ASSERT_TRUE(qby::test::IsShownOnScreen(m));
    EXPECT_EQ(m.btnpEXIT.CAPTION(), "Close");
    EXPECT_EQ(m.lblSELECT.Caption(), "Click a subject from below that you want to see");
    EXPECT_GT(m.lblSELECT.Width(), 3810) << "the label grows to show the whole instruction";
    EXPECT_EQ(m.lblSUBJECT.Caption(), "");
    EXPECT_EQ(m.lblWordsMenu(0).Caption(), "Words Menu");
    const std::vector<std::string> tips = {"Animals",        "Colors",     "Fruits",     "General Items",
                                           "Musical Instruments", "Vegetables", "Transports", "Sports",
                                           "Natural Events", "Pets"};
    const std::vector<std::string> tags = {"Animals", "Colors",    "Fruit",  "General", "Musical",
                                           "Vegetables", "Transport", "Sports", "Natural", "Pets"};
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(m.btnpPICWORD1(i).ToolTip(), tips[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(m.btnpPICWORD1(i).Tag(), tags[static_cast<std::size_t>(i)]) << i;
        EXPECT_TRUE(m.btnpPICWORD1(i).Enabled());
    }
    // Each subject shows its own picture, Exit the "BTN" skin, the window its background.
    const auto pets = ResourcePicture("btnpPICWORD1(9).PictureNormal", "DESIGN/frmLESSWRDM");
    EXPECT_TRUE(SamePicture(m.btnpPICWORD1(9).cURRENTIMAGE(), pets));
    EXPECT_TRUE(SamePicture(m.btnpEXIT.PictureNormal(), ResourcePicture("BTNNORMAL", "BITMAP")));
    EXPECT_TRUE(SamePicture(m.Picture(), ResourcePicture("WINDOW", "DIALOG")));
    EXPECT_TRUE(TakeSounds().empty());
}

TEST_F(WordsMenu, HoverLabelFollowsThePointerFromSubjectToSubject)
{
    OpenMenu();
    auto& m = Menu();
    Hover(0);
    EXPECT_EQ(m.lblSUBJECT.Caption(), "Animals");
    EXPECT_TRUE(qby::test::IsShownOnScreen(m.lblSUBJECT));
    // Straight onto the next subject: the label ends with the second subject's name.
    Hover(8);
    EXPECT_EQ(m.lblSUBJECT.Caption(), "Natural Events");
    MoveAway();
    EXPECT_EQ(m.lblSUBJECT.Caption(), "");
    Hover(4);
    EXPECT_EQ(m.lblSUBJECT.Caption(), "Musical Instruments");
    MoveAway();
    EXPECT_EQ(m.lblSUBJECT.Caption(), "");
}

TEST_F(WordsMenu, ReleasingOnASubjectStoresItAndOpensTheWordsLesson)
{
    OpenMenu();
    Release(0, qby::vbLeftButton);
    EXPECT_EQ(strWordsTitle, "Words - Animals");
    EXPECT_EQ(strWordsSubject, "ANIMALS");
    EXPECT_FALSE(frmLESSWRDM->IsLoaded());
    ASSERT_TRUE(frmLESSWRDS->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmLESSWRDS));
    EXPECT_FALSE(frmMAINMENU->IsLoaded()) << "the lesson, not the main menu, follows a choice";
    EXPECT_EQ(frmLESSWRDS->lblWORDS(0).Caption(), "Words - Animals");
    EXPECT_EQ(lngItemCount, 31);
}

TEST_F(WordsMenu, RightButtonChoosesTooAndKoreanHelpKeepsTheEnglishTag)
{
    StoreHelpLanguage("KOREAN");
    OpenMenu();
    auto& m = Menu();
    EXPECT_EQ(m.btnpPICWORD1(8).ToolTip(), "자연현상");
    EXPECT_EQ(m.btnpEXIT.CAPTION(), "닫기");
    Hover(8);
    EXPECT_EQ(m.lblSUBJECT.Caption(), "자연현상");
    Release(8, qby::vbRightButton);
    EXPECT_EQ(strWordsTitle, "Words - Natural");
    EXPECT_EQ(strWordsSubject, "NATURAL");
    ASSERT_TRUE(frmLESSWRDS->IsLoaded());
    EXPECT_EQ(frmLESSWRDS->lblWORDS(1).Caption(), "Words - Natural");
    EXPECT_EQ(lngItemCount, 23);
}

TEST_F(WordsMenu, ExitAndClosingGoBackToTheMainMenu)
{
    OpenMenu();
    Click(Menu().btnpEXIT);
    qby::test::ProcessEvents();
    EXPECT_FALSE(frmLESSWRDM->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
    EXPECT_FALSE(frmLESSWRDS->IsLoaded());

    OpenMenu();
    qby::test::RequestClose(Menu());
    qby::test::ProcessEvents();
    EXPECT_FALSE(frmLESSWRDM->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));

    // The lesson's Exit, and closing it, lead back here; a choice in an earlier visit does not
    // change where a later close of the menu leads.
    OpenMenu();
    Release(2, qby::vbLeftButton);
    Click(frmLESSWRDS->btnpEXIT);
    qby::test::ProcessEvents();
    EXPECT_FALSE(frmLESSWRDS->IsLoaded());
    ASSERT_TRUE(qby::test::IsShownOnScreen(Menu()));
    Release(3, qby::vbLeftButton);
    qby::test::RequestClose(*frmLESSWRDS);
    qby::test::ProcessEvents();
    EXPECT_FALSE(frmLESSWRDS->IsLoaded());
    ASSERT_TRUE(qby::test::IsShownOnScreen(Menu()));
    EXPECT_FALSE(frmMAINMENU->IsLoaded());
    qby::test::RequestClose(Menu());
    qby::test::ProcessEvents();
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
}

}  // namespace
}  // namespace lessontest
