#include "core/base/process_id.h"

#include <signal.h>
#include <unistd.h>

#include <cerrno>

namespace kalder {

long own_process_id() {
    return static_cast<long>(getpid());
}

bool other_process_running(long pid) {
#ifdef __EMSCRIPTEN__
    // A page is the only program in its storage (a second tab hands the game over rather than
    // writing beside it), and its kill() refuses every id but its own.
    (void)pid;
    return false;
#else
    return pid != own_process_id() && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
#endif
}

}  // namespace kalder
