#pragma once

// Keeps standard input, output and error open. Were one closed, the next
// port opened would take its number, and the program's output would go to
// the unit. A closed output is filled with a stream that takes no writes,
// so that writing to it still fails, as it should.
void holdStandardStreams();
// Whether standard input was closed when the program started.
bool inputWasClosed();
