#pragma once

#include <functional>

// Small services of the window system that core code may call. The GUI library
// installs the real ones at start; tests install recorders.

// Sets up the program's process at start, before anything else runs: a write
// beyond a file-size limit then fails with "File too large" and is reported
// like any failed write, instead of ending the program with every unsaved
// change (the signal SIGXFSZ is ignored).
void SetUpProcess();

void Beep();
// Lets pending window events run (redraws, clicks) inside a long operation.
void DoEvents();
// Ends the program at once, without any question. Callers return right after.
void EndProgram();

void SetBeepHandler(std::function<void()> handler);
void SetDoEventsHandler(std::function<void()> handler);
void SetEndProgramHandler(std::function<void()> handler);
