// Work done in a child process killed with SIGKILL part way, as a power
// cut or a crash would stop the program.
#pragma once

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

namespace quintara::test {

// Runs work in a forked child and kills it after delayMs (or lets it
// finish, when it is quicker); returns once the child is gone.
inline void RunKilledAfter(int delayMs, const std::function<void()>& work)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        work();
        _exit(0);
    }
    usleep(static_cast<useconds_t>(delayMs) * 1000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
}

}  // namespace quintara::test
