#pragma once

// The start procedure: settings, setup if needed, main menu and splash.
// Returns false when the program ended during setup.
bool Main();

// Main's steps after the window system is installed; tests run them under their
// own scripted seams. Returns false when the program ended during setup.
bool RunStartUp();
