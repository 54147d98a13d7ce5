#pragma once

// What the window is doing, apart from the settings it shows. Every control's
// enabled state follows from this and the settings, in one place.
struct WindowState {
    // A unit answered and its line is open.
    bool unitDetected = false;
    // Candidates are being probed.
    bool searching = false;
    // An adjustment run is under way.
    bool running = false;
    // The unit was asked for its settings and has not answered yet.
    bool answerAwaited = false;
    // "stop" is offered once the wave controller was switched on while the
    // unit was there, run or no run; a click then sends the stop byte.
    bool stopOffered = false;
};
