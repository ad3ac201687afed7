// A stand-in for the per-user client: writes "pid=N\n" to its pid file and
// sleeps until a signal ends it.
//
//   tw_standin_client --pid-file PATH [--on-term exit|ignore|die] [--lifetime S] [ARG...]
//
// --on-term exit (default): on SIGTERM remove the pid file and exit with 0.
// --on-term ignore: SIGTERM has no effect; only SIGKILL ends it.
// --on-term die: the default action; the kernel fixes SIGTERM as the cause of
//   death at the moment it is sent, so a test can tell later whether it was.
// Other arguments are ignored, so a copy can pose as an interpreter running a
// script. SIGALRM ends it after --lifetime seconds (default 120): no stray
// processes when a test goes wrong.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

namespace {

volatile sig_atomic_t g_terminated = 0;

void OnTerm(int)
{
    g_terminated = 1;
}

// Written under a temporary name and renamed, so a reader sees all or nothing.
bool WritePidFile(const std::string &path)
{
    const std::string tmp = path + ".standin-tmp";
    FILE *fp = fopen(tmp.c_str(), "w");
    if (!fp)
        return false;
    fprintf(fp, "pid=%d\n", static_cast<int>(getpid()));
    if (fclose(fp) != 0)
        return false;
    return rename(tmp.c_str(), path.c_str()) == 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::string pid_file;
    std::string on_term = "exit";
    unsigned lifetime = 120;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--pid-file") == 0 && i + 1 < argc)
            pid_file = argv[++i];
        else if (strcmp(argv[i], "--on-term") == 0 && i + 1 < argc)
            on_term = argv[++i];
        else if (strcmp(argv[i], "--lifetime") == 0 && i + 1 < argc)
            lifetime = static_cast<unsigned>(strtoul(argv[++i], nullptr, 10));
    }
    if (pid_file.empty() || (on_term != "exit" && on_term != "ignore" && on_term != "die")) {
        fprintf(stderr, "usage: %s --pid-file PATH [--on-term exit|ignore|die] [--lifetime S]\n", argv[0]);
        return 2;
    }

    sigset_t term_set, old_set;
    sigemptyset(&term_set);
    sigaddset(&term_set, SIGTERM);
    if (on_term == "ignore") {
        signal(SIGTERM, SIG_IGN);
    } else if (on_term == "exit") {
        // Blocked until sigsuspend, so a SIGTERM cannot slip in between test and wait.
        sigprocmask(SIG_BLOCK, &term_set, &old_set);
        struct sigaction sa;
        memset(&sa, 0, sizeof sa);
        sa.sa_handler = OnTerm;
        sigemptyset(&sa.sa_mask);
        sigaction(SIGTERM, &sa, nullptr);
    } else {
        signal(SIGTERM, SIG_DFL);
    }
    alarm(lifetime);

    if (!WritePidFile(pid_file)) {
        perror("pid file");
        return 3;
    }
    if (on_term == "exit") {
        sigset_t wait_set = old_set;
        sigdelset(&wait_set, SIGTERM);
        while (!g_terminated)
            sigsuspend(&wait_set);
        unlink(pid_file.c_str());
        return 0;
    }
    for (;;)
        pause();
}
