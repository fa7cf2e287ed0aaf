// The picture button's properties: picture stores and which state was asked for, size fitting,
// caption, border style, the property bag, and every member through the dispatch interface.
#include "ButtonFixture.h"

#include "platform/forms/PictureObject.h"
#include "platform/user/Window.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace buttontest;

namespace {

class PicbtnProperties : public ButtonFixture {
protected:
    picbtn& button() { return form->btnpSTORED; }

    static HRESULT PutPicture(IDispatch* object, const char* name, const qby::Picture& picture)
    {
        Variant value = qby::PictureVariant(picture);
        return InvokeByName(object, name, DISPATCH_PROPERTYPUTREF, {&value, 1}, nullptr);
    }
    static Variant Get(IDispatch* object, DISPID id, HRESULT* status = nullptr)
    {
        Variant result;
        HRESULT s = object->Invoke(id, DISPATCH_PROPERTYGET, {}, &result);
        if (status) *status = s;
        return result;
    }
};

bool Contains(const std::vector<std::string>& names, const std::string& name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

TEST_F(PicbtnProperties, EverySetShowsTheNormalPictureAndMarksTheStateAskedFor)
{
    const Skin next = MakeSkin(140, 39, 0x00FF80, 0x8000FF, 0xFF8000, 0x404040);
    Enter(button(), 10, 10);
    ASSERT_TRUE(button().MousePosnONOUT());

    // Even while the pointer is over the button, a Set shows the normal picture at once.
    button().PictureHLight(next.hlight);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.normal.Handle());
    EXPECT_TRUE(button().MousePosnONOUT());

    button().PictureNormal(next.normal);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), next.normal.Handle());
    EXPECT_EQ(SeenAt(button(), 1, 1), 0x00FF80);
    EXPECT_FALSE(button().MousePosnONOUT());

    button().PicturePressed(next.pressed);
    EXPECT_TRUE(button().MousePosnONOUT());
    button().PictureDisabled(next.disabled);  // leaves the flag to the normal picture's fetch
    EXPECT_FALSE(button().MousePosnONOUT());

    // Fetching alone notes the state too; the disabled picture leaves it alone.
    button().PictureHLight();
    EXPECT_TRUE(button().CFm_MousePosnONOUT());
    button().PictureDisabled();
    EXPECT_TRUE(button().CFm_MousePosnONOUT());
    button().PictureNormal();
    EXPECT_FALSE(button().CFm_MousePosnONOUT());

    const auto changed = qby::test::PropertyChangedLog(button());
    for (const char* name : {"PICTUREHLIGHT", "PICTURENORMAL", "PICTUREPRESSED", "PICTUREDISABLED"})
        EXPECT_TRUE(Contains(changed, name)) << name;
}

TEST_F(PicbtnProperties, SkinSetByNameOnTheGenericObjectEndsOnTheNormalPicture)
{
    const Skin next = MakeSkin(140, 39, 0x00FF80, 0x8000FF, 0xFF8000, 0x404040);
    ComPtr<IDispatch> object = button().Object();
    Enter(button(), 10, 10);

    // The order the skinning procedure uses: highlight, normal, pressed, disabled.
    EXPECT_EQ(PutPicture(object.Get(), "PictureHLight", next.hlight), S_OK);
    EXPECT_EQ(PutPicture(object.Get(), "PictureNormal", next.normal), S_OK);
    EXPECT_EQ(PutPicture(object.Get(), "PicturePressed", next.pressed), S_OK);
    EXPECT_EQ(PutPicture(object.Get(), "PictureDisabled", next.disabled), S_OK);

    EXPECT_FALSE(button().MousePosnONOUT());
    EXPECT_EQ(button().PictureHLight().Handle(), next.hlight.Handle());
    EXPECT_EQ(button().PicturePressed().Handle(), next.pressed.Handle());
    EXPECT_EQ(button().PictureDisabled().Handle(), next.disabled.Handle());
    EXPECT_EQ(SeenAt(button(), 1, 1), 0x00FF80);
}

TEST_F(PicbtnProperties, ShowingTheSamePictureAgainOnlyPrintsTheCaptionAgain)
{
    qby::PictureBox& surface = SurfaceOf(button());
    const std::int32_t shown = button().cURRENTIMAGE().Handle();
    const double line = surface.CurrentY();

    button().PICPNORMAL();
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), shown);
    const double afterOne = surface.CurrentY();
    EXPECT_GT(afterOne, line);

    // PICDISABLED takes the normal path and prints twice.
    button().PICDISABLED();
    EXPECT_NEAR(surface.CurrentY() - afterOne, 2 * (afterOne - line), 1e-9);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), shown);

    button().blnUSEDISABLED(true);
    button().PICDISABLED();
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.disabled.Handle());
}

TEST_F(PicbtnProperties, ControlFollowsTheSizeOfItsPicture)
{
    // Stored 1110 x 330 twips, fitted to the 140 x 39 picture less 3 twips.
    EXPECT_DOUBLE_EQ(button().Width(), 2097);
    EXPECT_DOUBLE_EQ(button().Height(), 582);
    const auto rect = qby::test::RectOnScreen(button());
    EXPECT_EQ(rect.width, 140);
    EXPECT_EQ(rect.height, 39);
    // The caption label: 3 pixels in, 2097 / 16 pixels wide.
    EXPECT_DOUBLE_EQ(CaptionLabelOf(button()).Left(), 3);
    EXPECT_NEAR(CaptionLabelOf(button()).Width(), 131.0625, 1.0 / 15);

    picbtn& speaker = form->btnpSPEAKER;
    EXPECT_EQ(qby::test::RectOnScreen(speaker).width, 40);
    EXPECT_DOUBLE_EQ(speaker.Width(), 597);

    // A new picture of another size refits the control.
    speaker.PictureNormal(qby::Picture::Filled(60, 30, qby::vbRed));
    EXPECT_EQ(qby::test::RectOnScreen(speaker).width, 60);
    EXPECT_EQ(qby::test::RectOnScreen(speaker).height, 30);
}

TEST_F(PicbtnProperties, CaptionGoesToTheLabelAtOnceAndPrintsNothing)
{
    qby::PictureBox& surface = SurfaceOf(button());
    const double line = surface.CurrentY();
    EXPECT_EQ(CaptionLabelOf(button()).Caption(), "   ");
    button().CAPTION("Exit");
    EXPECT_EQ(button().CAPTION(), "Exit");
    EXPECT_EQ(CaptionLabelOf(button()).Caption(), "Exit");
    EXPECT_EQ(surface.CurrentY(), line);
    EXPECT_TRUE(Contains(qby::test::PropertyChangedLog(button()), "CAPTION"));

    // The learner sees the caption over the button face: some pixels of the label differ from
    // the face, while the label's transparent background lets the face through.
    const auto seen = qby::test::Grab(button());
    int text = 0;
    for (int x = 3; x < 134; ++x)
        for (int y = 9; y < 31; ++y)
            text += seen.Point(x, y) != qby::vbBlue ? 1 : 0;
    EXPECT_GT(text, 20);
    EXPECT_EQ(seen.Point(4, 10), qby::vbBlue);
    EXPECT_EQ(seen.Point(1, 36), qby::vbBlue);
}

TEST_F(PicbtnProperties, ACaptionTooLongForTheButtonShowsWholeInASmallerSizeOfTheSameFont)
{
    // Where the caption's ink lies on the button face (columns), as the learner sees it.
    struct Ink {
        int left = -1;
        int right = -1;
    };
    auto inkOf = [this](const std::string& caption) {
        button().CAPTION(caption);
        const auto seen = qby::test::Grab(button());
        Ink ink;
        for (int x = 0; x < seen.width; ++x) {
            for (int y = 0; y < seen.height; ++y) {
                if (seen.Point(x, y) == qby::vbBlue) continue;
                if (ink.left < 0) ink.left = x;
                ink.right = x;
            }
        }
        return std::pair{ink, seen.rgb};
    };
    const double width = qby::test::RectOnScreen(button()).width;
    for (const std::string caption : {"Pass to the next pictures", "Click to play animation", "Exit the Program",
                                      "그림에 해당하는 단어를 클릭"}) {
        const auto [ink, whole] = inkOf(caption);
        EXPECT_EQ(CaptionLabelOf(button()).FontName(), "Comic Sans MS") << caption;
        EXPECT_LT(CaptionLabelOf(button()).FontSize(), 12) << caption;
        EXPECT_GE(ink.left, 12) << caption << ": clear of the left edge";
        EXPECT_LE(ink.right, width - 12) << caption << ": clear of the right edge";
        // Not the same as any of its first words alone: nothing of it is cut off.
        for (std::size_t blank = caption.find(' '); blank != std::string::npos; blank = caption.find(' ', blank + 1))
            EXPECT_NE(inkOf(caption.substr(0, blank)).second, whole) << caption << " shows as its first words";
    }
    // Captions that fit keep the design size: English and Korean alike.
    for (const std::string caption : {"OK", "Go to next", "다음", "프로그램 정보", "아니오"}) {
        const auto [ink, seen] = inkOf(caption);
        EXPECT_EQ(CaptionLabelOf(button()).FontSize(), 12) << caption;
        EXPECT_GT(ink.right, ink.left) << caption;
    }
}

TEST_F(PicbtnProperties, BorderStyleOutsideSixteenBitsIsIgnoredButStillReported)
{
    EXPECT_EQ(button().BorderStyle(), 0);
    button().BorderStyle(1);
    EXPECT_EQ(button().BorderStyle(), 1);
    const auto before = qby::test::PropertyChangedLog(button()).size();
    button().BorderStyle(70000);
    EXPECT_EQ(button().BorderStyle(), 1);
    const auto changed = qby::test::PropertyChangedLog(button());
    ASSERT_EQ(changed.size(), before + 1);
    EXPECT_EQ(changed.back(), "BorderStyle");
}

TEST_F(PicbtnProperties, MissingOrUnusableStoredPropertiesTakeTheirDefaults)
{
    picbtn& partial = form->btnpPARTIAL;
    EXPECT_EQ(partial.PictureNormal().Handle(), form->skin.normal.Handle());
    EXPECT_EQ(partial.PictureHLight().Handle(), 0);    // a number is not a picture
    EXPECT_EQ(partial.PicturePressed().Handle(), 0);   // missing
    EXPECT_TRUE(partial.Enabled());                    // "perhaps" is no Boolean
    EXPECT_EQ(partial.BorderStyle(), 1);               // missing: fixed single
    EXPECT_EQ(partial.ToolTip(), "");

    // Hovering it asks for the empty highlight store: the surface is cleared.
    Enter(partial, 10, 10);
    EXPECT_EQ(partial.cURRENTIMAGE().Handle(), 0);
    EXPECT_TRUE(partial.MousePosnONOUT());
    EXPECT_EQ((std::vector<std::string>{"MouseMove", "MouseOut"}), form->Events("btnpPARTIAL"));
}

TEST_F(PicbtnProperties, SavedPropertiesHoldTheStoredKeysWithoutDefaults)
{
    button().CAPTION("Not stored");
    qby::PropertyBag bag = button().SaveProperties();
    EXPECT_EQ((std::vector<std::string>{"PICTURENORMAL", "PICTUREHLIGHT", "PICTUREDISABLED",
                                        "PICTUREPRESSED", "BorderStyle", "ToolTip"}),
              bag.Names());
    EXPECT_EQ(bag.ReadProperty("PICTUREHLIGHT").AsPicture()->Handle(), form->skin.hlight.Handle());
    EXPECT_EQ(bag.ReadProperty("BorderStyle").AsLong(), 0);
    EXPECT_EQ(bag.ReadProperty("ToolTip").AsString(), "Stored tip");
    EXPECT_FALSE(bag.Contains("CAPTION"));

    button().Enabled(false);
    EXPECT_EQ(button().SaveProperties().ReadProperty("ENABLED").AsBoolean(), false);
}

TEST_F(PicbtnProperties, JumpInModeShowsTheDisabledOrNormalPictureForEveryState)
{
    button().blnUSEPICJUMPIN(true);
    button().blnUSEDISABLED(true);
    Enter(button(), 10, 10);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.disabled.Handle());
    EXPECT_FALSE(button().MousePosnONOUT());  // no longer follows the pointer

    button().blnUSEDISABLED(false);
    qby::test::MousePress(button(), 12, 10);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.normal.Handle());
    qby::test::MouseRelease(button(), 12, 10);

    // The control no longer fits itself to a new picture.
    button().PictureNormal(qby::Picture::Filled(60, 30, qby::vbRed));
    EXPECT_EQ(qby::test::RectOnScreen(button()).width, 140);
}

TEST_F(PicbtnProperties, MembersAnswerByNameAndById)
{
    ComPtr<IDispatch> object = button().Object();
    const std::pair<const char*, DISPID> members[] = {
        {"blnUSEDISABLED", 0x6803000C}, {"blnUSEPICJUMPIN", 0x6803000B},
        {"BorderStyle", 0x6803000A},    {"CAPTION", 0x68030009},
        {"CFm_MousePosnONOUT", 0x68030008}, {"cURRENTIMAGE", 0x68030007},
        {"Enabled", 0x68030006},        {"MousePosnONOUT", 0x68030005},
        {"PICDISABLED", 0x60030014},    {"picImage1_MouseOut", 0x6003001A},
        {"PICPNORMAL", 0x6003001C},     {"PictureDisabled", 0x68030004},
        {"PictureHLight", 0x68030003},  {"PictureNormal", 0x68030002},
        {"PicturePressed", 0x68030001}, {"ToolTip", 0x68030000},
    };
    for (const auto& [name, id] : members) {
        DISPID found = 0;
        EXPECT_EQ(object->GetIDOfName(name, &found), S_OK) << name;
        EXPECT_EQ(found, id) << name;
    }
    DISPID none = 0;
    EXPECT_EQ(object->GetIDOfName("Caption2", &none), DISP_E_UNKNOWNNAME);

    // The windows' own way: CAPTION, ToolTip, Enabled and MousePosnONOUT by id.
    Variant caption = Variant::String("About");
    EXPECT_EQ(object->Invoke(picbtn::DispId::CAPTION, DISPATCH_PROPERTYPUT, {&caption, 1}, nullptr), S_OK);
    EXPECT_EQ(CaptionLabelOf(button()).Caption(), "About");
    Variant tip = Variant::String("About this program");
    EXPECT_EQ(object->Invoke(picbtn::DispId::ToolTip, DISPATCH_PROPERTYPUT, {&tip, 1}, nullptr), S_OK);
    EXPECT_EQ(button().ToolTip(), "About this program");
    Variant off = Variant::Bool(false);
    EXPECT_EQ(object->Invoke(picbtn::DispId::Enabled, DISPATCH_PROPERTYPUT, {&off, 1}, nullptr), S_OK);
    EXPECT_EQ(button().cURRENTIMAGE().Handle(), form->skin.disabled.Handle());
    bool over = true;
    EXPECT_EQ(Get(object.Get(), picbtn::DispId::MousePosnONOUT).ToBool(&over), S_OK);
    EXPECT_FALSE(over);

    // Pictures come back as picture objects.
    Variant current = Get(object.Get(), picbtn::DispId::cURRENTIMAGE);
    auto picture = qby::PictureFromVariant(current);
    ASSERT_TRUE(picture.has_value());
    EXPECT_EQ(picture->Handle(), form->skin.disabled.Handle());

    // Kinds of call and values the members do not take.
    HRESULT status = S_OK;
    Variant value = Variant::Bool(true);
    EXPECT_EQ(object->Invoke(picbtn::DispId::MousePosnONOUT, DISPATCH_PROPERTYPUT, {&value, 1}, nullptr),
              DISP_E_MEMBERNOTFOUND);
    Variant text = Variant::String("not a picture");
    EXPECT_EQ(object->Invoke(picbtn::DispId::PictureNormal, DISPATCH_PROPERTYPUTREF, {&text, 1}, nullptr),
              DISP_E_TYPEMISMATCH);
    EXPECT_EQ(button().PictureNormal().Handle(), form->skin.normal.Handle());
    Get(object.Get(), picbtn::DispId::PICPNORMAL, &status);
    EXPECT_EQ(status, DISP_E_MEMBERNOTFOUND);
}

TEST_F(PicbtnProperties, HoverStepByIdReleasesTheCaptureOutside)
{
    ComPtr<IDispatch> object = button().Object();
    Enter(button(), 10, 10);
    form->log.clear();

    Variant args[] = {Variant::Int16(0), Variant::Int16(0), Variant::Double(-1.0), Variant::Double(5.0)};
    EXPECT_EQ(object->Invoke(picbtn::DispId::picImage1_MouseOut, DISPATCH_METHOD, args, nullptr), S_OK);
    EXPECT_EQ(GetCapture(), 0);
    EXPECT_EQ((std::vector<std::string>{"MouseOut"}), form->Events("btnpSTORED"));
    EXPECT_FALSE(form->log.at(0).over);
    EXPECT_FLOAT_EQ(form->log.at(0).X, -1.0f);

    Variant few[] = {Variant::Int16(0)};
    EXPECT_EQ(object->Invoke(picbtn::DispId::picImage1_MouseOut, DISPATCH_METHOD, few, nullptr),
              DISP_E_BADPARAMCOUNT);
}

TEST_F(PicbtnProperties, ObjectOutlivingItsButtonFailsQuietly)
{
    ComPtr<IDispatch> object;
    {
        frmBUTTONTEST_Form other;
        other.Load();
        object = other.btnpSTORED.Object();
        Variant caption = Variant::String("Here");
        EXPECT_EQ(object->Invoke(picbtn::DispId::CAPTION, DISPATCH_PROPERTYPUT, {&caption, 1}, nullptr), S_OK);
        other.Unload();
        qby::test::ProcessEvents();
    }
    Variant result;
    EXPECT_EQ(object->Invoke(picbtn::DispId::CAPTION, DISPATCH_PROPERTYGET, {}, &result), E_UNEXPECTED);
}

TEST_F(PicbtnProperties, AnArrayElementTheDesignLacksDoesNothingAndNeverFails)
{
    qby::ControlArray<picbtn> btnpLETTERS{form.get(), "btnpLETTERS"};
    picbtn& missing = btnpLETTERS(30);
    missing.CAPTION("Z");
    missing.ToolTip("Zebra");
    missing.PictureNormal(form->skin.normal);
    missing.Enabled(false);
    missing.picImage1_MouseOut(0, 0, 5, 5);
    missing.PICDISABLED();
    EXPECT_EQ(missing.CAPTION(), "Z");
    EXPECT_EQ(missing.cURRENTIMAGE().Handle(), 0);
    EXPECT_EQ(GetCapture(), 0);
    Variant result;
    ComPtr<IDispatch> object = missing.Object();
    EXPECT_EQ(object->Invoke(picbtn::DispId::ToolTip, DISPATCH_PROPERTYGET, {}, &result), S_OK);
}
