#include "support/core/child_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

std::string inChild(const std::function<std::string()>& body) {
    int ends[2];
    if (::pipe(ends) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid < 0) {
        ::close(ends[0]);
        ::close(ends[1]);
        return "no child process";
    }
    if (pid == 0) {
        ::close(ends[0]);
        const std::string report = body();
        std::size_t sent = 0;
        while (sent < report.size()) {
            const ssize_t n = ::write(ends[1], report.data() + sent, report.size() - sent);
            if (n <= 0) ::_exit(1);
            sent += static_cast<std::size_t>(n);
        }
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string report;
    char buffer[256];
    for (ssize_t n; (n = ::read(ends[0], buffer, sizeof buffer)) != 0;) {
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        report.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(ends[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        report += "the child ended abnormally (" + std::to_string(status) + ")";
    return report;
}

std::string inUnprivilegedChild(const std::function<std::string()>& body) {
    return inChild([&]() -> std::string {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(otherUserId) != 0 || ::setuid(otherUserId) != 0))
            return "cannot become user " + std::to_string(otherUserId);
        return body();
    });
}
