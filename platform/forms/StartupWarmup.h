// fontconfig's configuration, loaded on a worker thread as the program starts.
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

}  // namespace qby::detail
