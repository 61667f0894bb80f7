#include "platform/shell.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>

#include "sound/wav_fixture.h"
#include "support/env_guard.h"

namespace {

using Clock = std::chrono::steady_clock;

// Puts a stand-in xdg-open first in PATH: it waits a while, then writes the number of its
// arguments and each argument on a line of its own to a file.
class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string script = "#!/bin/sh\nsleep 0.5\nprintf '%s\\n' \"$#\" \"$@\" > \"" + Output() +
                                   ".part\"\nmv \"" + Output() + ".part\" \"" + Output() + "\"\n";
        const std::string path = dir.Write("xdg-open", std::vector<std::uint8_t>(script.begin(), script.end()));
        std::filesystem::permissions(path, std::filesystem::perms::owner_all);
        path_.emplace("PATH", dir.path().string() + ":/usr/bin:/bin");
    }

    [[nodiscard]] std::string Output() const { return (dir.path() / "arguments.txt").string(); }

    // What the stand-in recorded, once it has finished; empty after five seconds.
    [[nodiscard]] std::string WaitForOutput() const {
        const auto deadline = Clock::now() + std::chrono::seconds(5);
        while (Clock::now() < deadline) {
            if (std::filesystem::exists(Output())) {
                std::stringstream text;
                text << std::ifstream(Output()).rdbuf();
                return text.str();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return "";
    }

    soundtest::TempDir dir{"burdomir-shell"};

private:
    std::optional<testsupport::EnvGuard> path_;
};

TEST_F(ShellTest, PassesTheAddressAsOneUninterpretedArgumentWithoutWaiting) {
    const std::string address = "https://example.org/a b?x=1&y=$(touch pwned);echo 'q' \"z\" `id`";
    const auto start = Clock::now();
    ASSERT_TRUE(platform::Shell::Open(address));
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(400)) << "Open waited for the handler";
    EXPECT_EQ(WaitForOutput(), "1\n" + address + "\n");
    EXPECT_FALSE(std::filesystem::exists("pwned"));
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "pwned"));
}

TEST_F(ShellTest, LeavesNoChildBehind) {
    ASSERT_TRUE(platform::Shell::Open("https://example.org/"));
    EXPECT_FALSE(WaitForOutput().empty());
    EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
}

TEST_F(ShellTest, RefusesAddressesThatLookLikeOptionsOrAreEmpty) {
    EXPECT_FALSE(platform::Shell::Open("--help"));
    EXPECT_FALSE(platform::Shell::Open(""));
}

TEST_F(ShellTest, ReportsAMissingHandler) {
    const testsupport::EnvGuard empty("PATH", (dir.path() / "empty").string());
    EXPECT_FALSE(platform::Shell::Open("https://example.org/"));
}

}  // namespace
