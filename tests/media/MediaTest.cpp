// The media procedures: pictures decoded from the resources (never through a file), button
// skins through the button's dispatch interface, and sounds by their word keys.
#include "controls/picbtn.h"
#include "core/modPROGMAIN_Media.h"
#include "platform/app/App.h"
#include "platform/forms/Design.h"
#include "platform/forms/Form.h"
#include "platform/resources/Resources.h"
#include "platform/sound/SoundTestHook.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <set>
#include <string>

namespace {

qby::Picture ResourcePicture(const std::string& name, const std::string& type)
{
    return qby::Picture::FromEncodedBytes(qby::LoadResData(name, type));
}

// True when both pictures have the same size and every pixel the same colour.
bool SamePixels(const qby::Picture& shown, const qby::Picture& expected)
{
    if (shown.IsEmpty() || expected.IsEmpty()) return false;
    if (shown.WidthPx() != expected.WidthPx() || shown.HeightPx() != expected.HeightPx()) return false;
    for (int y = 0; y < expected.HeightPx(); ++y) {
        for (int x = 0; x < expected.WidthPx(); ++x) {
            if (shown.Point(x, y) != expected.Point(x, y)) return false;
        }
    }
    return true;
}

// A window with a picture box of the lessons' size and a speaker button whose design stores
// its own disabled picture.
class MediaTestForm : public qby::Form {
public:
    MediaTestForm() : Form("frmMEDIATEST") {}
    qby::PictureBox picWORD{this, "picWORD"};
    picbtn btnpSPEAKER{this, "btnpSPEAKER"};
    const qby::Picture designDisabled = qby::Picture::Filled(40, 39, 0x336699);

protected:
    void Layout(qby::Design& d) override
    {
        d.Window({.ClientWidth = 9000, .ClientHeight = 4500, .Tag = "designed"});
        d.Add(picWORD, {.Left = 0, .Top = 0, .Width = 4500, .Height = 3375, .BorderStyle = 0});
        d.Add(btnpSPEAKER, {.Left = 6000, .Top = 0},
              {{"PICTUREDISABLED", designDisabled}, {"ENABLED", true}, {"ToolTip", ""}});
    }
};

class Media : public ::testing::Test {
protected:
    void SetUp() override { form.Load(); }
    void TearDown() override { form.Unload(); }
    MediaTestForm form;
};

TEST_F(Media, WordPictureIsFoundByItsKeyInAnyCase)
{
    // "Black Shoe" less its blank, in its own case.
    ShowWordPicture(form.picWORD, "BlackShoe");
    EXPECT_TRUE(SamePixels(form.picWORD.Picture(), ResourcePicture("BLACKSHOE", "CUSTOM")));
    // The picture fills the lessons' 4500 x 3375-twip picture box exactly.
    EXPECT_EQ(form.picWORD.Picture().WidthPx() * 15, 4500);
    EXPECT_EQ(form.picWORD.Picture().HeightPx() * 15, 3375);
}

TEST_F(Media, NoPictureOrAMissingOneLeavesThePictureBoxAsItWas)
{
    ShowWordPicture(form.picWORD, "APPLE");
    const std::int32_t shown = form.picWORD.Picture().Handle();
    ASSERT_NE(shown, 0);
    ShowWordPicture(form.picWORD, "0");
    EXPECT_EQ(form.picWORD.Picture().Handle(), shown);
    ShowWordPicture(form.picWORD, "NOSUCHWORD");
    EXPECT_EQ(form.picWORD.Picture().Handle(), shown);
    // A resource that is no picture at all.
    qby::AddResource("CUSTOM", "BROKENPICTURE", {'n', 'o', 't', ' ', 'a', ' ', 'j', 'p', 'e', 'g'});
    ShowWordPicture(form.picWORD, "BrokenPicture");
    EXPECT_EQ(form.picWORD.Picture().Handle(), shown);
    qby::RemoveAddedResource("CUSTOM", "BROKENPICTURE");
    EXPECT_EQ(form.Tag(), "designed");  // the picture procedure leaves tags alone
}

TEST_F(Media, BackgroundNameIsUpperCasedAndTheTagCleared)
{
    LoadFormBackground("main", "DIALOG", form);
    EXPECT_TRUE(SamePixels(form.Picture(), ResourcePicture("MAIN", "DIALOG")));
    EXPECT_EQ(form.Tag(), "");

    const std::int32_t shown = form.Picture().Handle();
    form.Tag("set again");
    LoadFormBackground("NOSUCHBACKGROUND", "DIALOG", form);
    EXPECT_EQ(form.Picture().Handle(), shown);
    EXPECT_EQ(form.Tag(), "");
}

TEST_F(Media, SpeakerSkinKeepsTheDesignedDisabledPicture)
{
    SetButtonSkin(form.btnpSPEAKER, "BTNSPEAKER");
    // Without a disabled bitmap the last assignment is the pressed picture, whose setter leaves
    // the button's pointer flag True (read first: the picture accessors set the flag too).
    // No window reads the flag of a speaker button; the next pointer move sets it right.
    EXPECT_TRUE(form.btnpSPEAKER.MousePosnONOUT());
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PictureHLight(), ResourcePicture("BTNSPEAKERHL", "BITMAP")));
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PicturePressed(), ResourcePicture("BTNSPEAKERPRESSED", "BITMAP")));
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PictureNormal(), ResourcePicture("BTNSPEAKERNORMAL", "BITMAP")));
    EXPECT_EQ(form.btnpSPEAKER.PictureDisabled().Handle(), form.designDisabled.Handle());
}

TEST_F(Media, ButtonSkinSetsAllFourPicturesWhateverTheCaseOfItsName)
{
    SetButtonSkin(form.btnpSPEAKER, "btn");
    // The full set ends on the disabled picture, whose setter shows the normal one: False.
    EXPECT_FALSE(form.btnpSPEAKER.MousePosnONOUT());
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PictureHLight(), ResourcePicture("BTNHL", "BITMAP")));
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PictureNormal(), ResourcePicture("BTNNORMAL", "BITMAP")));
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PicturePressed(), ResourcePicture("BTNPRESSED", "BITMAP")));
    EXPECT_TRUE(SamePixels(form.btnpSPEAKER.PictureDisabled(), ResourcePicture("BTNDISABLED", "BITMAP")));
    // An unknown skin changes nothing; neither does a button that is no object at all.
    const std::int32_t normal = form.btnpSPEAKER.PictureNormal().Handle();
    SetButtonSkin(form.btnpSPEAKER, "NOSUCHSKIN");
    SetButtonSkin(static_cast<IDispatch*>(nullptr), "BTN");
    EXPECT_EQ(form.btnpSPEAKER.PictureNormal().Handle(), normal);
}

TEST_F(Media, NoTransientFileIsEverWritten)
{
    namespace fs = std::filesystem;
    auto listing = [](const fs::path& folder) {
        std::set<std::string> names;
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder, error)) names.insert(entry.path().filename().string());
        return names;
    };
    const fs::path programFolder = App.Path();
    const auto before = listing(programFolder);
    const auto workingBefore = listing(fs::current_path());

    ShowWordPicture(form.picWORD, "ICECREAM");
    ShowWordPicture(form.picWORD, "NOSUCHWORD");
    LoadFormBackground("WINDOW", "DIALOG", form);
    LoadFormBackground("NOSUCHBACKGROUND", "DIALOG", form);

    EXPECT_FALSE(fs::exists(programFolder / "temp.jpg"));
    EXPECT_EQ(listing(programFolder), before);
    EXPECT_EQ(listing(fs::current_path()), workingBefore);
}

TEST(MediaSounds, WordsAreFoundByTheirKeysWithoutBlanks)
{
    qby::SoundRecorder recorder;
    PlayWordSound("Ice cream");
    PlayWordSound("X ray");
    PlayWordSound("iCE CrEaM");
    PlayWordSound("Knife and Fork");
    PlayLetterSound("a");
    PlayAudioSound("Click");
    EXPECT_EQ(recorder.Names(),
              (std::vector<std::string>{"ICECREAM", "XRAY", "ICECREAM", "KNIFEANDFORK", "A", "CLICK"}));
    const auto sounds = recorder.Sounds();
    ASSERT_EQ(sounds.size(), 6u);
    EXPECT_EQ(sounds[0].resource, "WORDS/ICECREAM");
    EXPECT_EQ(sounds[4].resource, "LETTERS/A");
    EXPECT_EQ(sounds[5].resource, "AUDIO/CLICK");
}

TEST(MediaSounds, EffectsPlayInOrderOneAfterTheOther)
{
    qby::SoundRecorder recorder;
    PlayBellHigh();
    PlayClick();
    PlayLoose();
    PlayWin();
    PlayButton();
    EXPECT_EQ(recorder.Names(), (std::vector<std::string>{"BELLHIGH", "CLICK", "LOOSE", "WIN", "BUTTON"}));
    const auto sounds = recorder.Sounds();
    ASSERT_EQ(sounds.size(), 5u);
    for (std::size_t i = 1; i < sounds.size(); ++i) {
        EXPECT_GT(sounds[i].duration.count(), 0);
        EXPECT_GE(sounds[i].start, sounds[i - 1].end) << "sound " << i << " overlaps the one before";
    }
}

TEST(MediaSounds, AMissingSoundIsSilentAndTakesNoTime)
{
    qby::SoundRecorder recorder;
    PlayWordSound("Not a word");
    PlayLetterSound("AB");
    PlayAudioSound("");
    EXPECT_TRUE(recorder.Sounds().empty());
    // The recorder's clock moves only with sounds: the next one starts where nothing ran.
    PlayClick();
    ASSERT_EQ(recorder.Sounds().size(), 1u);
    EXPECT_EQ(recorder.Sounds()[0].start.count(), 0);
}

TEST(MediaText, CountCharacterCountsSingleCharactersExactly)
{
    EXPECT_EQ(CountCharacter("Apple|Bear|Cat|Dog", "|"), "3");
    EXPECT_EQ(CountCharacter("", "|"), "0");
    EXPECT_EQ(CountCharacter("no separators", "|"), "0");
    EXPECT_EQ(CountCharacter("aAaA", "a"), "2");     // case counts
    EXPECT_EQ(CountCharacter("||||", "||"), "0");    // more than one character never matches
    EXPECT_EQ(CountCharacter("abc", ""), "0");
    EXPECT_EQ(CountCharacter("다음|다음|", "|"), "2");  // multi-byte characters are one character each
    EXPECT_EQ(CountCharacter("다음다", "다"), "2");
    EXPECT_EQ(CountCharacter(std::string(1000, '|'), "|"), "1000");
}

}  // namespace
