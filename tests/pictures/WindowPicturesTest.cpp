// Every window as the learner sees it: rendered offscreen at its design size, in English and in
// Korean help, with the random draws fixed and the test clock at 0, and compared with its
// reference picture in tests/pictures/references/ (tolerant of anti-aliasing, not of layout).
// On a mismatch the rendered picture and a difference picture (differing pixels in red) are
// written to <build>/tests/pictures-out/ and named in the failure.
//
// After a change of look made on purpose, take new references (from the source folder):
//
//     cmake --build build --target update_reference_pictures
//
// The references are drawn with the toolkit and fonts that scripts/setup installs on Debian 12
// (Qt 6, fonts-comic-neue, fonts-dejavu-core, fonts-nanum); take them on such a machine.
#include "PictureComparison.h"

#include "lessons_feedback/LessonFixture.h"

#include "core/clsREGISTRY.h"
#include "core/modGLOBALS.h"
#include "core/modSETTINGS.h"
#include "lessons/frmLESSALPH.h"
#include "lessons/frmLESSPAIR.h"
#include "lessons/frmLESSPCWD.h"
#include "lessons/frmLESSWRDM.h"
#include "lessons/frmLESSWRDS.h"
#include "lessons/frmLESSWRIT.h"
#include "lessons/frmMSGCRECT.h"
#include "lessons/frmMSGCRT10.h"
#include "lessons/frmMSGPLYAG.h"
#include "lessons/frmMSGWRONG.h"
#include "platform/math/Random.h"
#include "shell/frmABOUTQBY.h"
#include "shell/frmLANGUAGE.h"
#include "shell/frmMAINMENU.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <tuple>

namespace picturetest {
namespace {

using qby::test::Snapshot;

// A modal window as it shows once it is up; `show` brings it up.
Snapshot GrabModal(qby::Form& box, const std::function<void()>& show)
{
    Snapshot shot;
    qby::test::OnModalShown([&](qby::Form& shown) {
        qby::test::OnModalShown(nullptr);
        qby::test::ProcessEvents();
        if (&shown == &box) shot = qby::test::Grab(box);
        shown.Unload();
    });
    show();
    qby::test::OnModalShown(nullptr);
    return shot;
}
Snapshot GrabDialog(qby::Form& box)
{
    return GrabModal(box, [&box] { box.Show(qby::vbModal, mdiPROGMAIN); });
}

// A lesson opened from the menu, as the menu's button opens it.
Snapshot GrabLesson(qby::Form& lesson)
{
    frmMAINMENU->Unload();
    lesson.Show();
    qby::test::ProcessEvents();
    return qby::test::Grab(lesson);
}

qby::Picture WordPicture(const std::string& key)
{
    return qby::Picture::FromEncodedBytes(qby::LoadResData(key, "CUSTOM"));
}

struct WindowCase {
    const char* name;
    Snapshot (*render)();
};

// Failures name the window, not the bytes of its case.
void PrintTo(const WindowCase& window, std::ostream* out)
{
    *out << window.name;
}

const WindowCase kWindows[] = {
    {"frmMAINMENU", [] { return qby::test::Grab(*frmMAINMENU); }},
    {"frmLANGUAGE", [] { return GrabDialog(*frmLANGUAGE); }},
    {"frmABOUTQBY", [] { return GrabDialog(*frmABOUTQBY); }},
    {"frmLESSALPH", [] { return GrabLesson(*frmLESSALPH); }},
    {"frmLESSWRDM", [] { return GrabLesson(*frmLESSWRDM); }},
    {"frmLESSWRDS",
     [] {
         // As the words menu leaves them for the subject Animals.
         strWordsTitle = "Words - Animals";
         strWordsSubject = "ANIMALS";
         return GrabLesson(*frmLESSWRDS);
     }},
    {"frmLESSPCWD", [] { return GrabLesson(*frmLESSPCWD); }},
    {"frmLESSPAIR", [] { return GrabLesson(*frmLESSPAIR); }},
    {"frmLESSWRIT", [] { return GrabLesson(*frmLESSWRIT); }},
    {"frmMSGCRECT",
     [] {
         frmMSGCRECT->imgPICTURE.Picture(WordPicture("DOLPHIN"));
         frmMSGCRECT->lblWordWas.Caption("You found Dolphin");
         return GrabDialog(*frmMSGCRECT);
     }},
    {"frmMSGWRONG",
     [] {
         frmMSGWRONG->imgPICTURE.Picture(WordPicture("YACHT"));
         frmMSGWRONG->lblWordWasfrmMSGWRONG.Caption("The word was Yacht");
         return GrabDialog(*frmMSGWRONG);
     }},
    {"frmMSGCRT10", [] { return GrabDialog(*frmMSGCRT10); }},
    {"frmMSGPLYAG", [] { return GrabDialog(*frmMSGPLYAG); }},
};

class WindowPictures : public lessontest::LessonFixture,
                       public ::testing::WithParamInterface<std::tuple<WindowCase, const char*>> {
protected:
    void BeforeMain() override
    {
        std::uint64_t seed = 20240611;
        random_ = std::make_unique<qby::ScopedRandomSource>([seed]() mutable {
            seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
            return static_cast<double>(seed >> 11) * 0x1.0p-53;
        });
        ASSERT_TRUE(clsREGISTRY().StringSave(SettingsRootKey(), "SOFTWARE\\Orvane\\Quillby\\frmPROGMENUMAINDETAILS",
                                             strSettingHelp, HelpLanguage()));
    }
    void TearDown() override
    {
        LessonFixture::TearDown();
        random_.reset();
    }

    static const char* HelpLanguage() { return std::get<1>(GetParam()); }
    static std::string PictureName() { return std::string(std::get<0>(GetParam()).name) + "_" + HelpLanguage(); }

private:
    std::unique_ptr<qby::ScopedRandomSource> random_;
};

TEST_P(WindowPictures, LookAsTheirReferencePicture)
{
    ASSERT_EQ(strHelpLanguage, HelpLanguage());
    const Snapshot shown = std::get<0>(GetParam()).render();
    ASSERT_GT(shown.width, 0) << "the window did not come up";

    const std::filesystem::path reference =
        std::filesystem::path(QBY_SOURCE_DIR) / "tests" / "pictures" / "references" / (PictureName() + ".png");
    if (std::getenv("QUILLBY_UPDATE_PICTURES") != nullptr) {
        ASSERT_TRUE(qby::test::WritePng(shown, reference.string())) << reference;
        return;
    }

    const Comparison comparison = Compare(shown, qby::test::ReadPng(reference.string()));
    if (comparison.Matches()) return;
    const std::filesystem::path out = std::filesystem::path(QBY_BUILD_DIR) / "tests" / "pictures-out";
    std::filesystem::create_directories(out);
    const std::filesystem::path rendered = out / (PictureName() + ".png");
    const std::filesystem::path difference = out / (PictureName() + "-difference.png");
    qby::test::WritePng(shown, rendered.string());
    if (comparison.sameSize) qby::test::WritePng(comparison.difference, difference.string());
    if (!comparison.sameSize) {
        ADD_FAILURE() << PictureName() << " is " << shown.width << " x " << shown.height
                      << " pixels, not the size of its reference " << reference << " (missing or another size)"
                      << "; rendered: " << rendered;
    } else {
        ADD_FAILURE() << PictureName() << " differs from " << reference << " in " << comparison.differing
                      << " pixels (" << comparison.allowed << " allowed); rendered: " << rendered
                      << ", differences in red: " << difference;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryWindow, WindowPictures,
                         ::testing::Combine(::testing::ValuesIn(kWindows), ::testing::Values("ENGLISH", "KOREAN")),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
                         });

}  // namespace
}  // namespace picturetest
