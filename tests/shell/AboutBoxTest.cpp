// The About box: its texts in either help language, the version line, and the two links
// handed to the shell.
#include "ShellFixture.h"

#include "platform/forms/Testing.h"
#include "shell/frmABOUTQBY.h"
#include "shell/frmMAINMENU.h"

namespace shelltest {
namespace {

class AboutBox : public ShellFixture {
protected:
    void OpenFromMenu(const std::function<void(frmABOUTQBY_Form&)>& inside)
    {
        bool shown = false;
        WhileModal([&](qby::Form& form) {
            shown = true;
            EXPECT_EQ(&form, &*frmABOUTQBY);
            inside(*frmABOUTQBY);
        });
        Click(frmMAINMENU->btnpABOUT);
        EXPECT_TRUE(shown);
        EXPECT_FALSE(frmABOUTQBY->IsLoaded());
    }
    static void ExpectEnglishTexts(frmABOUTQBY_Form& a)
    {
        EXPECT_EQ(a.Caption(), "About");
        EXPECT_EQ(a.lblDESC.Caption(), "A simple and fun way to learn English");
        EXPECT_EQ(a.lblVersion1_0.Caption(), "Version: 2.51");
        EXPECT_EQ(a.lblEMAIL.Caption(), "Email Orvane Support");
        EXPECT_EQ(a.imgImage1.ToolTipText(), "View Website");
        EXPECT_EQ(a.lblTHANKYOU.Caption(),
                  "A big thank you to all involved at the websites contents above. With out their brilliant "
                  "talent and inspiration this program could not be made.  ");
        EXPECT_EQ(a.lblCOPYRIGHT.Caption(), "Copyright (c) 2026 Orvane");
        ASSERT_EQ(a.lblCREDITS.Count(), 6);
        for (int i = 0; i < 6; ++i) EXPECT_FALSE(a.lblCREDITS(i).Caption().empty());
    }
};

TEST(AboutVersion, JoinsMinorAndRevisionAsOneFraction)
{
    EXPECT_EQ(AboutVersionNumber(2, 5, 1), "2.51");
    EXPECT_EQ(AboutVersionNumber(2, 10, 0), "2.10");
    EXPECT_EQ(AboutVersionNumber(1, 0, 0), "1.00");
    EXPECT_EQ(AboutVersionNumber(3, 1, 25), "3.13");  // 3.125 rounded to two places
    EXPECT_EQ(AboutVersionNumber(2, -5, 1), std::nullopt);
}

TEST_F(AboutBox, ShowsItsTextsVersionAndSkinnedOk)
{
    Start();
    OpenFromMenu([&](frmABOUTQBY_Form& a) {
        ExpectEnglishTexts(a);
        EXPECT_EQ(a.btnpOK.CAPTION(), "OK");
        EXPECT_EQ(a.Tag(), "");
        EXPECT_FALSE(qby::test::IsInTaskbar(a));
        EXPECT_FALSE(qby::test::IsResizable(a));
        const auto client = qby::test::RectOnScreen(a);
        EXPECT_EQ(client.width, 668);
        EXPECT_EQ(client.height, 463);
        // The white band at the top, the background picture below it.
        EXPECT_EQ(qby::test::Grab(a).Point(300, 75), qby::vbWhite);
        // The mail label shows the program's own pointing hand.
        EXPECT_EQ(a.lblEMAIL.MousePointer(), qby::vbCustom);
        EXPECT_EQ(a.lblEMAIL.MouseIcon().HotSpotX(), 6);
        EXPECT_EQ(a.lblEMAIL.MouseIcon().HotSpotY(), 0);
        Click(a.btnpOK);
    });
    EXPECT_TRUE(shellRequests.empty());
}

TEST_F(AboutBox, LinksGoToTheShellAndLeaveTheBoxOpen)
{
    Start();
    std::int32_t boxHandle = 0;
    OpenFromMenu([&](frmABOUTQBY_Form& a) {
        boxHandle = a.hWnd();
        Click(a.imgImage1);
        EXPECT_TRUE(a.IsLoaded());
        Click(a.lblEMAIL);
        Click(a.imgImage1);
        EXPECT_TRUE(a.IsLoaded());
        qby::test::RequestClose(a);
    });
    ASSERT_EQ(shellRequests.size(), 3u);
    // The web page: the address alone, with the verb "OPEN".
    EXPECT_EQ(shellRequests[0].verb, "OPEN");
    EXPECT_EQ(shellRequests[0].file, "www.example.org/quillby");
    EXPECT_EQ(shellRequests[0].hwnd, boxHandle);
    EXPECT_EQ(shellRequests[0].show, SW_SHOWNORMAL);
    // The mail: prefix and address joined, the default action.
    EXPECT_EQ(shellRequests[1].verb, "");
    EXPECT_EQ(shellRequests[1].file, "mailto:support@example.org");
    EXPECT_EQ(shellRequests[1].hwnd, boxHandle);
    EXPECT_EQ(shellRequests[2].file, "www.example.org/quillby");
}

TEST_F(AboutBox, KoreanChangesOnlyTheOkCaption)
{
    StoreSetting("HELP", "KOREAN");
    Start();
    OpenFromMenu([&](frmABOUTQBY_Form& a) {
        ExpectEnglishTexts(a);
        EXPECT_EQ(a.btnpOK.CAPTION(), "확인");
        Click(a.btnpOK);
    });
}

TEST_F(AboutBox, WithoutLangtextOkReadsZero)
{
    UnregisterLangtext();
    Start();
    OpenFromMenu([&](frmABOUTQBY_Form& a) {
        EXPECT_EQ(a.btnpOK.CAPTION(), "0");
        ExpectEnglishTexts(a);
        Click(a.btnpOK);
    });
}

}  // namespace
}  // namespace shelltest
