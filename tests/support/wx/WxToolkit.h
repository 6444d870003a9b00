// Starts the toolkit once in a test process and lets it run for a while.
#pragma once

// Initialises wxWidgets (GTK on X11) for this process; false without a display.
bool StartToolkit();
// Dispatches toolkit events for about `ms` milliseconds.
void PumpEvents(int ms);
