#pragma once

class QWidget;

// Prints the process's peak resident memory so far, in kB, as
// "peak-<moment> <kB>".
void printPeakMemory(const char *moment);

// Runs once the window's first frame is on the screen when the program was
// started with --bench-session; each program linked with the probe defines
// what a long session is for it.
void runSession(QWidget *window);
