// The language dialog: markers for each setting, OK storing both settings and refreshing the
// menu, Cancel taking the choice back, and the close box keeping the choice for the run only.
#include "ShellFixture.h"

#include "core/modGLOBALS.h"
#include "platform/forms/Testing.h"
#include "shell/frmLANGUAGE.h"
#include "shell/frmMAINMENU.h"

namespace shelltest {
namespace {

class LanguageDialog : public ShellFixture {
protected:
    static frmLANGUAGE_Form& Dialog() { return *frmLANGUAGE; }
    // Opens the dialog from the menu's Language button and runs `inside` while it is up.
    void OpenFromMenu(const std::function<void(frmLANGUAGE_Form&)>& inside)
    {
        bool shown = false;
        WhileModal([&](qby::Form& form) {
            shown = true;
            EXPECT_EQ(&form, &Dialog());
            inside(Dialog());
        });
        Click(frmMAINMENU->btnpLANGUAGE);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(Dialog().IsLoaded());
    }
};

struct MarkerCase {
    const char* language;
    const char* help;
    double languageLeft, languageTop;
    double helpLeft, helpTop;
};

class LanguageMarkers : public LanguageDialog, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(LanguageMarkers, StandAtTheButtonOfEachSetting)
{
    const MarkerCase& c = GetParam();
    StoreSetting("LANGUAGE", c.language);
    StoreSetting("HELP", c.help);
    Start();
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        EXPECT_EQ(d.shpLANGSEL.Left(), c.languageLeft);
        EXPECT_EQ(d.shpLANGSEL.Top(), c.languageTop);
        EXPECT_EQ(d.shpHELPSEL.Left(), c.helpLeft);
        EXPECT_EQ(d.shpHELPSEL.Top(), c.helpTop);
        // The markers keep their size wherever they stand.
        EXPECT_EQ(d.shpLANGSEL.Width(), 2625);
        EXPECT_EQ(d.shpHELPSEL.Height(), 1815);
        // A setting that is none of the words is left as it is.
        EXPECT_EQ(strLanguage, c.language);
        EXPECT_EQ(strHelpLanguage, c.help);
        Click(d.btnpCANCEL);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Settings, LanguageMarkers,
    ::testing::Values(MarkerCase{"ENGLISH", "ENGLISH", 1605, 1170, 4995, 4620},
                      MarkerCase{"AMERICAN", "KOREAN", 4995, 1170, 1605, 4620},
                      MarkerCase{"english", "ENGLISH", 1575, 1140, 4995, 4620},
                      MarkerCase{"AMERICAN", "korean", 4995, 1170, 1575, 4590}));

TEST_F(LanguageDialog, TextsAndPromptTooltipsComeFromTheInterfaceTexts)
{
    Start();
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        EXPECT_EQ(d.btnpCANCEL.CAPTION(), "Close");
        EXPECT_EQ(d.lblENGLISH.Caption(), "English Words");
        // The prompts carry their own texts as tooltips from the load on.
        EXPECT_EQ(d.lblENGLISHTYPE.ToolTipText(), "Click below to choose your type of English for the words");
        EXPECT_EQ(d.lblHELPTYPE.ToolTipText(), "Click below to choose you type of help");
        // A help-language choice moves its marker and changes no visible text yet.
        Click(d.btnpKOREAN);
        EXPECT_EQ(d.shpHELPSEL.Left(), 1605);
        EXPECT_EQ(d.shpHELPSEL.Top(), 4620);
        EXPECT_EQ(strHelpLanguage, "KOREAN");
        EXPECT_EQ(d.btnpOK.CAPTION(), "OK");
        EXPECT_EQ(d.lblHELPTYPE.Caption(), "Click below to choose you type of help");
        Click(d.btnpCANCEL);
    });
}

TEST_F(LanguageDialog, OkStoresTheChoiceAndTheMenuSpeaksKoreanAtOnce)
{
    Start();
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        Click(d.btnpKOREAN);
        Click(d.btnpENGLISH);
        Click(d.btnpOK);
    });
    EXPECT_EQ(StoredSetting("HELP"), "KOREAN");
    EXPECT_EQ(StoredSetting("LANGUAGE"), "ENGLISH");
    EXPECT_EQ(strHelpLanguage, "KOREAN");
    EXPECT_EQ(strLanguage, "ENGLISH");
    auto& m = *frmMAINMENU;
    EXPECT_TRUE(qby::test::IsShownOnScreen(m));
    EXPECT_EQ(m.lblALPHABET.Caption(), "알파벳");
    EXPECT_EQ(m.lblLEARNWORDS.Caption(), "주제별 단어");
    EXPECT_EQ(m.lblMATCHINGPAIR.Caption(), "같은 그림 찾기");
    EXPECT_EQ(m.lblPICTSWORDS.Caption(), "단어 완성하기");
    EXPECT_EQ(m.lblWRITELETTER.Caption(), "알파벳 쓰기");
    EXPECT_EQ(m.btnpABOUT.CAPTION(), "프로그램 정보");
    EXPECT_EQ(m.btnpCLOSEPROGRAM.ToolTip(), "나가기");
    EXPECT_EQ(m.btnpLANGUAGE.ToolTip(), "언어타입");

    // The dialog takes the new language the next time it opens.
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        EXPECT_EQ(d.btnpOK.CAPTION(), "확인");
        EXPECT_EQ(d.lblKOREANHELP.Caption(), "한국어");
        EXPECT_EQ(d.shpLANGSEL.Left(), 1605);
        EXPECT_EQ(d.shpHELPSEL.Left(), 1605);
        Click(d.btnpCANCEL);
    });
}

TEST_F(LanguageDialog, CancelTakesTheChoiceBackAndWritesNothing)
{
    Start();
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        Click(d.btnpKOREAN);
        Click(d.btnpENGLISH);
        EXPECT_EQ(strHelpLanguage, "KOREAN");
        Click(d.btnpCANCEL);
    });
    EXPECT_EQ(strHelpLanguage, "ENGLISH");
    EXPECT_EQ(strLanguage, "AMERICAN");
    EXPECT_FALSE(StoredSetting("HELP"));
    EXPECT_FALSE(StoredSetting("LANGUAGE"));
    EXPECT_EQ(frmMAINMENU->lblALPHABET.Caption(), "Learn the Alphabet");
    EXPECT_TRUE(qby::test::IsShownOnScreen(*frmMAINMENU));
}

TEST_F(LanguageDialog, CloseBoxKeepsTheChoiceForTheRunOnly)
{
    StoreSetting("LANGUAGE", "ENGLISH");
    Start();
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        Click(d.btnpAMERICAN);
        Click(d.btnpKOREAN);
        qby::test::RequestClose(d);
    });
    EXPECT_EQ(strLanguage, "AMERICAN");
    EXPECT_EQ(strHelpLanguage, "KOREAN");
    EXPECT_EQ(StoredSetting("LANGUAGE"), "ENGLISH");
    EXPECT_FALSE(StoredSetting("HELP"));
    // The texts stay as they were.
    EXPECT_EQ(frmMAINMENU->btnpABOUT.CAPTION(), "About");
    // The next opening marks the choice of this run.
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        EXPECT_EQ(d.shpLANGSEL.Left(), 4995);
        EXPECT_EQ(d.shpHELPSEL.Left(), 1605);
        EXPECT_EQ(d.btnpOK.CAPTION(), "OK");
        qby::test::RequestClose(d);
    });
}

TEST_F(LanguageDialog, WithoutLangtextTheTextsReadZeroAndOkStillStores)
{
    UnregisterLangtext();
    Start();
    OpenFromMenu([&](frmLANGUAGE_Form& d) {
        EXPECT_EQ(d.btnpOK.CAPTION(), "0");
        EXPECT_EQ(d.lblENGLISHTYPE.Caption(), "0");
        EXPECT_EQ(d.btnpENGLISH.ToolTip(), "0");
        Click(d.btnpKOREAN);
        Click(d.btnpOK);
    });
    EXPECT_EQ(StoredSetting("HELP"), "KOREAN");
    EXPECT_EQ(frmMAINMENU->btnpABOUT.CAPTION(), "0");
}

}  // namespace
}  // namespace shelltest
