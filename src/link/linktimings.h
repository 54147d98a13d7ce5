#pragma once

// How long the link waits for each thing, handed in from where a program
// starts the link; a test that is about a wait can make it short.
struct LinkTimings {
    // After opening, the line settles this long before the probe is sent.
    int settleMs = 500;
    // From opening to the end of the wait for the unit's answer.
    int probeMs = 1000;
    // A network port's connection, and its server's agreement on the line's
    // settings.
    int connectMs = 3000;
    int negotiationMs = 5000;
    // The wait before a network port that could not be reached is tried
    // again starts at the first and doubles after each failure, up to the
    // longest.
    int firstRetryMs = 1000;
    int longestRetryMs = 30000;
};
