// The alphabet lesson opened as the menu opens it: the menu closes itself, then the lesson is
// shown; the sounds of opening are taken so each test starts with none recorded.
#pragma once

#include "lessons_feedback/LessonFixture.h"

#include "lessons/frmLESSALPH.h"
#include "shell/frmMAINMENU.h"

#include <string>

namespace lessontest {

class AlphabetFixture : public LessonFixture {
protected:
    // Opens the lesson and returns the sounds its opening played.
    std::vector<std::string> OpenLesson()
    {
        frmMAINMENU->Unload();
        frmLESSALPH->Show();
        qby::test::ProcessEvents();
        return TakeSounds();
    }
    static frmLESSALPH_Form& Lesson() { return *frmLESSALPH; }
    // The word as the two title layers show it.
    static std::string ShownWord() { return Lesson().lblTITLE1(0).Caption() + Lesson().lblTITLE2(0).Caption(); }
    static std::string PageLabel() { return Lesson().lbl1Of9.Caption(); }
    static std::vector<std::string> Sentences()
    {
        return {Lesson().lblSENTENCE1(0).Caption(), Lesson().lblSENTENCE1(1).Caption(),
                Lesson().lblSENTENCE1(2).Caption()};
    }
    static void ClickLetter(char letter) { Click(Lesson().btnpLETTERS(letter - 'A')); }
};

}  // namespace lessontest
