#include "standardstreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace
{
bool inputClosed = false;
} // namespace

void holdStandardStreams()
{
    for (int stream = STDIN_FILENO; stream <= STDERR_FILENO; ++stream) {
        // open() takes the lowest free number: the closed stream's.
        if (::fcntl(stream, F_GETFD) == -1 && errno == EBADF) {
            inputClosed = inputClosed || stream == STDIN_FILENO;
            ::open("/dev/null", O_RDONLY);
        }
    }
}

bool inputWasClosed()
{
    return inputClosed;
}
