// Korvalin dial tester tests - the single-instance guard and the working directory.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/qt/host_system.h"

namespace kvl {
namespace {

namespace fs = std::filesystem;

// Every test gets its own runtime folder, so no real instance is disturbed.
class HostSystemTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/kvl-guard-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        const char *old = std::getenv("XDG_RUNTIME_DIR");
        if (old) m_oldRuntime = old;
        m_hadRuntime = old != nullptr;
        setenv("XDG_RUNTIME_DIR", m_folder.c_str(), 1);
    }
    void TearDown() override {
        if (m_hadRuntime)
            setenv("XDG_RUNTIME_DIR", m_oldRuntime.c_str(), 1);
        else
            unsetenv("XDG_RUNTIME_DIR");
        // rm copes with the deep tree of the long-path test, remove_all may not.
        ASSERT_EQ(std::system(("rm -rf '" + m_folder + "'").c_str()), 0);
    }
    std::string lockPath(const std::string &name) const {
        return m_folder + "/" + name + "-" + std::to_string(getuid()) + ".lock";
    }
    std::string m_folder;
    std::string m_oldRuntime;
    bool m_hadRuntime = false;
};

TEST_F(HostSystemTest, SecondGuardFailsWhileTheFirstLivesAndSucceedsAfter) {
    auto first = std::make_unique<HostSystem>();
    EXPECT_TRUE(first->acquireSingleInstance("KVL"));
    EXPECT_TRUE(first->acquireSingleInstance("KVL")) << "the holder asking again";
    {
        HostSystem second;
        EXPECT_FALSE(second.acquireSingleInstance("KVL"));
        HostSystem other;
        EXPECT_TRUE(other.acquireSingleInstance("OTHER")) << "guards of other names are apart";
    }
    first.reset();
    HostSystem third;
    EXPECT_TRUE(third.acquireSingleInstance("KVL"));
}

// A process that takes the guard and then waits to be killed.
pid_t startHolder(int readyPipe[2]) {
    const pid_t pid = fork();
    if (pid == 0) {
        close(readyPipe[0]);
        HostSystem holder;
        const char answer = holder.acquireSingleInstance("KVL") ? 'y' : 'n';
        if (write(readyPipe[1], &answer, 1) != 1) _exit(2);
        while (true) pause();
    }
    close(readyPipe[1]);
    return pid;
}

TEST_F(HostSystemTest, GuardOfAKilledProcessIsReleased) {
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t holder = startHolder(ready);
    ASSERT_GT(holder, 0);
    char answer = 0;
    ASSERT_EQ(read(ready[0], &answer, 1), 1);
    close(ready[0]);
    EXPECT_EQ(answer, 'y');

    {
        HostSystem second;
        EXPECT_FALSE(second.acquireSingleInstance("KVL")) << "while the holder lives";
    }
    kill(holder, SIGKILL);
    int status = 0;
    waitpid(holder, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    HostSystem next;
    EXPECT_TRUE(next.acquireSingleInstance("KVL")) << "after kill -9 of the holder";
}

TEST_F(HostSystemTest, AnUnusableLockFileLetsTheProgramRunAsFirstInstance) {
    // A folder in the lock file's place.
    fs::create_directory(lockPath("FOLDER"));
    // A planted link in the lock file's place must not be followed.
    const std::string target = m_folder + "/target";
    fs::create_symlink(target, lockPath("LINK"));
    for (const char *name : {"FOLDER", "LINK"}) {
        HostSystem system;
        EXPECT_TRUE(system.acquireSingleInstance(name)) << name;
    }
    EXPECT_FALSE(fs::exists(target)) << "the link was followed";
}

TEST_F(HostSystemTest, NameCannotReachOutsideTheLockFolder) {
    HostSystem system;
    EXPECT_TRUE(system.acquireSingleInstance("../x/y"));
    EXPECT_TRUE(fs::exists(lockPath("___x_y")));
    HostSystem second;
    EXPECT_FALSE(second.acquireSingleInstance("../x/y"));
}

TEST_F(HostSystemTest, CurrentDirectoryAlsoWhenItIsVeryLong) {
    const fs::path before = fs::current_path();
    fs::path deep = m_folder;
    const std::string part(200, 'd');
    fs::current_path(deep);
    // More than 4096 characters, beyond any fixed path buffer; built
    // relatively so that no single call needs the whole path.
    for (int i = 0; i < 25; ++i) {
        fs::create_directory(part);
        fs::current_path(part);
        deep /= part;
    }
    HostSystem system;
    const std::string got = system.currentDirectory();
    fs::current_path(before);
    EXPECT_GT(got.size(), 4096u);
    EXPECT_EQ(got, deep.string());
    EXPECT_EQ(system.pathSeparator(), '/');
}

}  // namespace
}  // namespace kvl
