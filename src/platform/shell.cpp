#include "platform/shell.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace platform {
namespace {

// Finds a program in PATH before forking, so that the child only has to exec.
std::string FindInPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    while (true) {
        const std::size_t colon = dirs.find(':');
        const std::string_view dir = dirs.substr(0, colon);
        const std::string candidate = (dir.empty() ? std::string(".") : std::string(dir)) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return candidate;
        if (colon == std::string_view::npos) return {};
        dirs.remove_prefix(colon + 1);
    }
}

}  // namespace

bool Shell::Open(const std::string& address) {
    // An address that looks like an option would be taken as one by xdg-open.
    if (address.empty() || address.front() == '-') return false;
    const std::string program = FindInPath("xdg-open");
    if (program.empty()) return false;
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>(address.c_str()), nullptr};

    // Fork twice: the intermediate child exits at once and is reaped here, so the handler
    // is adopted by init and never becomes a zombie of ours, and we do not wait for it.
    const pid_t child = fork();
    if (child < 0) return false;
    if (child == 0) {
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execv(argv[0], argv.data());
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return false;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace platform
