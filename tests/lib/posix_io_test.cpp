// The shared POSIX helpers on real links, folders and pipes.
#include "posix_io.h"
#include "temp_tree.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

using namespace tw_test;

TEST(PosixIo, LinkTextIsReadWholeHoweverLong)
{
    TempTree tree;
    const struct {
        const char *name;
        std::string target;
    } cases[] = {
        {"short", "a"},
        {"at the first buffer's size", std::string(256, 'b')},
        {"longer than a page of path", std::string(3000, 'c')},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string link =
            tree.symlink(c.target, std::string("link-") + std::to_string(c.target.size()));
        std::string text;
        ASSERT_TRUE(ReadLinkText(link.c_str(), &text));
        EXPECT_EQ(c.target, text);
    }
    std::string text;
    EXPECT_FALSE(ReadLinkText(tree.write("plain", "x").c_str(), &text));
    EXPECT_EQ(EINVAL, errno);
}

TEST(PosixIo, RealPathResolvesLinksAndDotDot)
{
    TempTree tree;
    const std::string real = RealPath(tree.mkdir("real/inner").c_str());
    ASSERT_FALSE(real.empty());
    tree.symlink(tree / "real", "via");
    EXPECT_EQ(real, RealPath((tree / "via/inner/../inner").c_str()));
    EXPECT_EQ("", RealPath((tree / "missing").c_str()));
}

// A pipe takes a large write in pieces: every byte still arrives, in order.
TEST(PosixIo, WriteAllResumesShortWrites)
{
    int fds[2];
    ASSERT_EQ(0, pipe(fds));
    const std::string data(1 << 20, 'w');
    std::string got;
    pid_t reader = fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        close(fds[1]);
        char buf[4096];
        size_t total = 0;
        ssize_t n;
        while ((n = read(fds[0], buf, sizeof buf)) > 0)
            total += static_cast<size_t>(n);
        _exit(total == (1u << 20) ? 0 : 1);
    }
    close(fds[0]);
    EXPECT_EQ(0, WriteAll(fds[1], data.data(), data.size()));
    close(fds[1]);
    int status = 0;
    ASSERT_EQ(reader, waitpid(reader, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    ASSERT_EQ(0, pipe(fds));
    close(fds[0]);
    signal(SIGPIPE, SIG_IGN);
    EXPECT_EQ(EPIPE, WriteAll(fds[1], "x", 1));
    signal(SIGPIPE, SIG_DFL);
    close(fds[1]);
}
