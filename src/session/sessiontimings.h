#pragma once

// How long a session waits for the unit and for its own last bytes; handed
// in, so that a test that is about a wait can make it short.
struct SessionTimings {
    // The unit answers within half a second; the rest covers a slow adapter.
    int answerMs = 2000;
    // How long leaving waits for what was written to leave.
    int leaveMs = 1000;
};
