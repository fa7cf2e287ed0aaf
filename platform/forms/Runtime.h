// The runtime's process-wide services: starting the toolkit, the message loop, DoEvents, End,
// and the Screen object.
#pragma once

#include "platform/forms/Picture.h"
#include "platform/forms/Types.h"

#include <functional>
#include <string>

namespace qby {

// The first call of the program, while it has one thread: settles what the environment tells the
// libraries that start later (that no session bus can be launched here, when none can).
void PrepareProcessEnvironment();
// Creates the application object once (later calls do nothing) and installs the font
// substitutions (Comic Sans MS, Tahoma, MS Sans Serif and Korean text onto the fonts present).
// Only the program's name, argv[0], is handed to the toolkit: the program reads no command line,
// so options such as -platform or -qwindowtitle are ignored, while the toolkit's environment
// variables still apply. Forms also create it on first use when nobody has, so tests may simply
// use forms.
void RuntimeStart(int& argc, char** argv);
// Unloads every loaded form without running its handlers and ends the application object.
void RuntimeStop();

// Runs the message loop until End is called or no form is loaded any more.
void RunMessageLoop();
// Processes the window messages that are waiting (input, painting, timers), then returns.
void DoEvents();
// As DoEvents, except that the mouse button presses, double clicks, wheel turns and key presses
// among the waiting messages are dropped, not handled: input that waited while the program was
// busy (a sound playing to its end) is not acted on late. Releases and moves still run, so no
// button stays pressed. Modal loops that start meanwhile take their input as usual.
void DropWaitingInput();
// Ends the program: every window is destroyed without further event handlers, every modal
// loop and the message loop return. Code after the call still runs up to its return, but no
// event handler runs any more.
void End();
bool IsEnding();

// Calls the program must never make, which the runtime detects and refuses (the call does
// nothing), such as a modal Show of a window that is shown modal already. Each is reported:
// to the handler set here, or else as a warning that debug builds follow with a failed
// assertion. An empty handler restores that default.
using ProgrammingErrorHandler = std::function<void(const std::string& description)>;
void SetProgrammingErrorHandler(ProgrammingErrorHandler handler);

// The screen.
class ScreenObject {
public:
    int TwipsPerPixelX() const { return 15; }
    int TwipsPerPixelY() const { return 15; }
    // Size of the primary screen in twips.
    double Width() const;
    double Height() const;
    // The pointer shape over every window of the program: vbDefault lets each window decide,
    // vbHourglass shows the wait cursor, vbCustom shows MouseIcon.
    int MousePointer() const;
    void MousePointer(int value);
    Picture MouseIcon() const;
    void MouseIcon(const Picture& value);
};
extern ScreenObject Screen;

}  // namespace qby
