// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Brimlet developers

// What one run of a program costs: its CPU time (user and system), wall time
// and peak resident set, with its standard input read from a file and its
// output thrown away. Used by bench/pipeline-bench.sh, which pairs the runs
// of the programs it compares; CPU time is what a busy machine changes least.
//   run_probe INPUT PROGRAM [ARG]...
// prints "CPU-SECONDS WALL-SECONDS PEAK-KIB STATUS".

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>

namespace {

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: run_probe INPUT PROGRAM [ARG]...\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("run_probe: fork");
        return 1;
    }
    if (child == 0) {
        const int in = open(argv[1], O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || dup2(in, STDIN_FILENO) < 0 || dup2(out, STDOUT_FILENO) < 0 ||
            dup2(out, STDERR_FILENO) < 0) {
            std::perror("run_probe: redirecting");
            _exit(127);
        }
        execvp(argv[2], argv + 2);
        std::perror("run_probe: exec");
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("run_probe: wait4");
        return 1;
    }
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    std::printf("%.4f %.4f %ld %d\n", seconds(usage.ru_utime) + seconds(usage.ru_stime), wall.count(),
                usage.ru_maxrss, WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status));
    return 0;
}
