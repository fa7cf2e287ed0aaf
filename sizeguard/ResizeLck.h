// ResizeLck: the public control of Sizeguard. Placed on a window, it keeps the window's outer
// size between a minimum and a maximum: at run time it hooks the window that hosts it through
// its constituent Subclass, asks for WM_GETMINMAXINFO and answers it with its limits. The five
// limits are stored with the host's design. No appearance at run time; a 32 x 32 icon at design
// time.
//
// Sizes are pixels. Screen.Width and Screen.Height (the screen in twips) stand for "no
// maximum": the size query passes that twips number on as a pixel count, which never limits.
#pragma once

#include "platform/com/ComPtr.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Design.h"
#include "platform/forms/UserControl.h"
#include "platform/user/Window.h"
#include "sizeguard/Subclass.h"

class ResizeLckObject;

class ResizeLck : public qby::UserControl {
public:
    // Made by the class factory; the form runtime sites it on its host.
    ResizeLck();
    ~ResizeLck() override;
    const char* KindName() const override { return "ResizeLck"; }

    bool HasMaxSize() const { return blnHasMaxSize; }
    // False puts both maxima at the screen size; True leaves them as they are.
    void HasMaxSize(bool bNewValue);
    LONG MaxHeight() const { return lngMaxHeight; }
    // With HasMaxSize, a value below MinHeight is raised to it (and written back into the
    // argument); without, the value is ignored and the maximum is the screen's height in twips.
    void MaxHeight(LONG& lNewValue);
    LONG MaxWidth() const { return lngMaxWidth; }
    void MaxWidth(LONG& lNewValue);
    LONG MinHeight() const { return lngMinHeight; }
    // Takes the value; a maximum below it is not corrected here.
    void MinHeight(LONG lNewValue) { lngMinHeight = lNewValue; }
    LONG MinWidth() const { return lngMinWidth; }
    void MinWidth(LONG lNewValue) { lngMinWidth = lNewValue; }

    // The object the control was made through (its dual interface): kept in use while the
    // control lives and told when the control ends.
    void KeepObject(ResizeLckObject* object);

protected:
    void Layout(qby::Design& d) override;  // ResizeLck_Layout.cpp
    void UserControl_Initialize() override;
    void UserControl_ReadProperties(qby::PropertyBag& PropBag) override;
    void UserControl_WriteProperties(qby::PropertyBag& PropBag) override;
    void UserControl_Resize() override;

private:
    void Subclass_WndProc(LONG& Msg, WPARAM& wParam, LPARAM& lParam, LRESULT& lngRES);
    // Each variable that is 0 gets its starting value.
    void SetStartingValues();

    ::Subclass Subclass{this, "Subclass"};
    qby::Image imgIcon{this, "imgIcon"};

    LONG lngMinWidth = 0;
    LONG lngMinHeight = 0;
    LONG lngMaxWidth = 0;
    LONG lngMaxHeight = 0;
    bool blnHasMaxSize = false;

    ComPtr<ResizeLckObject> object_;
};

// The screen's size in twips, rounded to whole numbers.
LONG ScreenWidthTwips();
LONG ScreenHeightTwips();
