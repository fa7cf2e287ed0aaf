// The start procedure: the program starts here, before any window exists.
#pragma once

// Starts loading, on a worker thread, the libraries of the first objects Main creates (the
// interface texts, the main window's size lock), so that their loading overlaps the toolkit's
// start. Called before the toolkit starts.
void PrefetchStartLibraries();

// Sets the constants and the settings' defaults, creates the service objects, reads the two
// settings, fills the interface-text list, then shows the main window (MainShowMainWindow).
void Main();

// The last steps of Main: the hourglass, the main window shown modeless, the pointer back.
void MainShowMainWindow();
