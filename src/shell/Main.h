#pragma once

// The start procedure: settings, setup if needed, main menu and splash.
// Returns false when the program ended during setup.
bool Main();
