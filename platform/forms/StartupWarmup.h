// Work of the first window's building that is done on a worker thread as the program starts:
// fontconfig's configuration, and the connection to the session bus; and a bus launch that
// cannot succeed, left out.
//
// Qt's font database on X starts by making fontconfig read its configuration (dozens of XML
// files) and its font caches, the first time a text is measured: in the middle of building the
// first window. Started before the application object is made, the load overlaps that instead.
// fontconfig publishes its loaded configuration atomically, and the first font the platform makes
// waits for the load to end, so Qt finds it ready and never loads a second one.
#pragma once

namespace qby::detail {

// Starts the load when the process uses fontconfig (Qt brought it in); otherwise does nothing.
void StartFontConfigurationLoad();
// Waits for the load to end; called before a font is made.
void FinishFontConfigurationLoad();

// The toolkit's accessibility bridge connects to the session bus when the first window shows,
// and the window waits for that (a few milliseconds, longer when the bus has to be started).
// Made on a worker once the application object exists, the connection is ready by then. Only
// on the platforms that have the bridge.
void StartSessionBusConnection();

// With no session bus address in the environment and none at the user's runtime folder, the bus
// library launches a bus by forking and executing `launcher`, and while the fork copies the
// process, every other thread of it waits (for its memory allocator, among others). When that
// launcher is not installed the launch can only fail: the environment then says that there is no
// bus to find ("disabled:"), so connecting fails at once, as it would have failed after the fork.
// Called while the process has one thread (it sets an environment variable).
void DisableHopelessSessionBusLaunch(const char* launcher);

}  // namespace qby::detail
