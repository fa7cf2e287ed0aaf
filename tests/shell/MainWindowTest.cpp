// The main window and the menu: what the learner sees at start, the hover highlight of the
// lesson labels, a return to the menu, and the end of the program.
#include "ShellFixture.h"

#include "core/modGLOBALS.h"
#include "lessons/frmLESSALPH.h"
#include "lessons/frmLESSPAIR.h"
#include "lessons/frmLESSPCWD.h"
#include "lessons/frmLESSWRDM.h"
#include "lessons/frmLESSWRIT.h"
#include "platform/forms/Runtime.h"
#include "platform/forms/Testing.h"
#include "platform/resources/Resources.h"
#include "platform/user/Window.h"
#include "shell/frmMAINMENU.h"
#include "shell/mdiPROGMAIN.h"

namespace shelltest {
namespace {

using qby::test::Grab;
using qby::test::RectOnScreen;

qby::Picture ResourcePicture(const std::string& name, const std::string& type)
{
    return qby::Picture::FromEncodedBytes(qby::LoadResData(name, type));
}

class MainWindow : public ShellFixture {
protected:
    // Every text the menu takes from the interface texts, in the order RefreshText sets them.
    static std::vector<std::string> MenuTexts()
    {
        auto& m = *frmMAINMENU;
        return {m.lblALPHABET.Caption(),    m.btnpALPHABET.ToolTip(),    m.lblLEARNWORDS.Caption(),
                m.btnpWORDS.ToolTip(),      m.lblMATCHINGPAIR.Caption(), m.btnpPAIRS.ToolTip(),
                m.lblPICTSWORDS.Caption(),  m.btnpPICANDWORDS.ToolTip(), m.lblWRITELETTER.Caption(),
                m.btnpWRITEALONG.ToolTip(), m.btnpABOUT.CAPTION(),       m.btnpABOUT.ToolTip(),
                m.btnpCLOSEPROGRAM.CAPTION(), m.btnpCLOSEPROGRAM.ToolTip(), m.btnpLANGUAGE.CAPTION(),
                m.btnpLANGUAGE.ToolTip()};
    }
    static std::vector<std::string> EnglishMenuTexts()
    {
        return {"Learn the Alphabet", "Learn the Alphabet", "Learn Great Words", "Learn Great Words",
                "Find a Matching Pair", "Find a Matching Pair", "Pictures And Words", "Pictures And Words",
                "Help To Write Letters", "Help To Write Letters", "About", "About", "Exit the Program",
                "Exit the Program", "Language", "Language"};
    }
    // The five lesson buttons with the labels that name them.
    static std::vector<std::pair<picbtn*, qby::Label*>> LessonPairs()
    {
        auto& m = *frmMAINMENU;
        return {{&m.btnpALPHABET, &m.lblALPHABET},
                {&m.btnpWORDS, &m.lblLEARNWORDS},
                {&m.btnpPAIRS, &m.lblMATCHINGPAIR},
                {&m.btnpPICANDWORDS, &m.lblPICTSWORDS},
                {&m.btnpWRITEALONG, &m.lblWRITELETTER}};
    }
    // The menu as at its first load: background, skins and design pictures, texts, black labels.
    void ExpectMenuAsAtFirstLoad()
    {
        auto& m = *frmMAINMENU;
        EXPECT_EQ(MenuTexts(), EnglishMenuTexts());
        for (auto [button, label] : LessonPairs()) EXPECT_EQ(label->ForeColor(), qby::vbBlack) << label->Name();
        // The background at a place no control covers.
        const auto shown = Grab(m);
        const auto main = ResourcePicture("MAIN", "DIALOG");
        EXPECT_EQ(shown.Point(20, 20), main.Point(20, 20));
        EXPECT_EQ(shown.Point(600, 80), main.Point(600, 80));
        // The three text buttons show the normal face of the "BTN" skin, the lesson buttons their
        // own design pictures.
        const auto face = ResourcePicture("BTNNORMAL", "BITMAP");
        for (picbtn* button : {&m.btnpABOUT, &m.btnpLANGUAGE, &m.btnpCLOSEPROGRAM}) {
            EXPECT_EQ(Grab(*button).Point(2, 2), face.Point(2, 2)) << button->Name();
        }
        const auto alphabet = ResourcePicture("btnpALPHABET.PictureNormal", "DESIGN/frmMAINMENU");
        EXPECT_EQ(Grab(m.btnpALPHABET).Point(50, 37), alphabet.Point(50, 37));
    }
};

TEST_F(MainWindow, StartOpensTheFrameWithTheMenuFillingIt)
{
    Start();
    auto& frame = *mdiPROGMAIN;
    ASSERT_TRUE(frame.IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(frame));
    EXPECT_EQ(frame.Caption(), "Quillby");
    EXPECT_EQ(frame.WindowState(), qby::vbNormal);
    EXPECT_FALSE(frame.Icon().IsEmpty());
    const auto client = RectOnScreen(frame);
    EXPECT_EQ(client.width, 670);
    EXPECT_EQ(client.height, 560);
    // Centred on the screen (outer frame around the client area, within a few pixels).
    const int screenWidth = static_cast<int>(qby::Screen.Width() / 15);
    const int screenHeight = static_cast<int>(qby::Screen.Height() / 15);
    EXPECT_NEAR(client.left + client.width / 2, screenWidth / 2, 20);
    EXPECT_NEAR(client.top + client.height / 2, screenHeight / 2, 30);

    ASSERT_TRUE(frmMAINMENU->IsLoaded());
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
    const auto menu = RectOnScreen(*frmMAINMENU);
    EXPECT_EQ(menu.left, client.left);
    EXPECT_EQ(menu.top, client.top);
    EXPECT_EQ(menu.width, client.width);
    EXPECT_EQ(menu.height, client.height);
    // The hourglass is gone once Main has returned.
    EXPECT_EQ(qby::Screen.MousePointer(), qby::vbDefault);
    ExpectMenuAsAtFirstLoad();
}

TEST_F(MainWindow, LessonLabelTurnsYellowWhileThePointerIsOnItsButton)
{
    Start();
    auto& m = *frmMAINMENU;
    for (auto [button, label] : LessonPairs()) {
        MoveTo(m, 640, 20);
        qby::test::MouseMove(*button, 10, 10);
        EXPECT_EQ(label->ForeColor(), qby::vbYellow) << label->Name();
        // Moving on over the button keeps it yellow.
        qby::test::MouseMove(*button, 30, 20);
        EXPECT_EQ(label->ForeColor(), qby::vbYellow) << label->Name();
        // Every other label stays black.
        for (auto [otherButton, other] : LessonPairs()) {
            if (other != label) {
                EXPECT_EQ(other->ForeColor(), qby::vbBlack) << other->Name();
            }
        }
        // The move that finds the pointer gone turns it black again.
        MoveTo(m, 640, 20);
        EXPECT_EQ(label->ForeColor(), qby::vbBlack) << label->Name();
    }
}

TEST_F(MainWindow, ReturningFromAnActivityShowsTheMenuAsAtItsFirstLoad)
{
    Start();
    auto& m = *frmMAINMENU;
    // The learner points at a lesson (its label yellow) and opens it: the menu unloads.
    qby::test::MouseMove(m.btnpWORDS, 5, 5);
    qby::test::MouseMove(m.btnpWORDS, 20, 20);
    ASSERT_EQ(m.lblLEARNWORDS.ForeColor(), qby::vbYellow);
    m.Unload();
    qby::test::ProcessEvents();
    EXPECT_FALSE(m.IsLoaded());
    // The activity's Exit shows the menu again.
    frmMAINMENU->Show();
    qby::test::ProcessEvents();
    EXPECT_TRUE(qby::test::IsShownOnScreen(m));
    ExpectMenuAsAtFirstLoad();
}

// The button that opened a modal box held the mouse capture while the pointer was on it; the
// box must get the pointer's input, or none of its buttons could ever be clicked.
TEST_F(MainWindow, OpeningADialogTakesTheCaptureFromTheMenuButton)
{
    Start();
    HWND heldWhileModal = -1;
    qby::test::OnModalShown([&](qby::Form& box) {
        qby::test::OnModalShown(nullptr);
        qby::test::ProcessEvents();
        heldWhileModal = GetCapture();
        box.Unload();
    });
    Click(frmMAINMENU->btnpABOUT);
    EXPECT_EQ(heldWhileModal, 0);
}

TEST_F(MainWindow, KoreanStoredShowsKoreanMenuTextsFromTheStart)
{
    StoreSetting("HELP", "KOREAN");
    Start();
    auto& m = *frmMAINMENU;
    EXPECT_EQ(m.lblALPHABET.Caption(), "알파벳");
    EXPECT_EQ(m.btnpWORDS.ToolTip(), "주제별 단어");
    EXPECT_EQ(m.btnpABOUT.CAPTION(), "프로그램 정보");
    EXPECT_EQ(m.btnpCLOSEPROGRAM.CAPTION(), "나가기");
    EXPECT_EQ(m.btnpLANGUAGE.CAPTION(), "언어타입");
}

TEST_F(MainWindow, WithoutLangtextEveryMenuTextReadsZero)
{
    UnregisterLangtext();
    Start();
    EXPECT_FALSE(objPrgText);
    EXPECT_TRUE(frmMAINMENU->IsLoaded());
    EXPECT_EQ(MenuTexts(), std::vector<std::string>(16, "0"));
}

TEST_F(MainWindow, LessonButtonsCloseTheMenuAndOpenTheirActivity)
{
    Start();
    auto& m = *frmMAINMENU;
    const std::vector<std::pair<picbtn*, qby::Form*>> lessons = {
        {&m.btnpALPHABET, &*frmLESSALPH}, {&m.btnpWORDS, &*frmLESSWRDM}, {&m.btnpPAIRS, &*frmLESSPAIR},
        {&m.btnpPICANDWORDS, &*frmLESSPCWD}, {&m.btnpWRITEALONG, &*frmLESSWRIT}};
    for (auto [button, lesson] : lessons) {
        Click(*button);
        qby::test::ProcessEvents();
        EXPECT_FALSE(m.IsLoaded()) << button->Name();
        ASSERT_TRUE(lesson->IsLoaded()) << lesson->Name();
        EXPECT_TRUE(qby::test::IsShownOnScreen(*lesson)) << lesson->Name();
        // The activity fills the main frame as the menu did.
        const auto frame = RectOnScreen(*mdiPROGMAIN);
        const auto shown = RectOnScreen(*lesson);
        EXPECT_EQ(shown.width, frame.width) << lesson->Name();
        EXPECT_EQ(shown.height, frame.height) << lesson->Name();
        // Back to the menu, as the activity's Exit does.
        lesson->Unload();
        frmMAINMENU->Show();
        qby::test::ProcessEvents();
        ASSERT_TRUE(m.IsLoaded());
    }
}

TEST_F(MainWindow, ClosingTheFrameWhileALessonIsOpenEndsTheProgramInOneStep)
{
    Start();
    Click(frmMAINMENU->btnpALPHABET);
    qby::test::ProcessEvents();
    ASSERT_TRUE(frmLESSALPH->IsLoaded());
    qby::test::RequestClose(*mdiPROGMAIN);
    EXPECT_TRUE(qby::IsEnding());
    EXPECT_TRUE(qby::LoadedForms().empty());
    EXPECT_FALSE(StoredSetting("LANGUAGE"));
    EXPECT_FALSE(StoredSetting("HELP"));
}

TEST_F(MainWindow, CloseButtonEndsTheProgramWithoutWritingSettings)
{
    Start();
    Click(frmMAINMENU->btnpCLOSEPROGRAM);
    EXPECT_TRUE(qby::IsEnding());
    EXPECT_FALSE(mdiPROGMAIN->IsLoaded());
    EXPECT_FALSE(frmMAINMENU->IsLoaded());
    EXPECT_FALSE(StoredSetting("LANGUAGE"));
    EXPECT_FALSE(StoredSetting("HELP"));
}

TEST_F(MainWindow, CloseBoxOfTheFrameEndsTheProgramInOneStep)
{
    Start();
    qby::test::RequestClose(*mdiPROGMAIN);
    EXPECT_TRUE(qby::IsEnding());
    EXPECT_FALSE(mdiPROGMAIN->IsLoaded());
    EXPECT_TRUE(qby::LoadedForms().empty());
}

}  // namespace
}  // namespace shelltest
