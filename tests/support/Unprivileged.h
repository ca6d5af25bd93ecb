#pragma once
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <string>

namespace test {

// Runs `body` in a child process that file permissions apply to: as user "nobody" when
// the tests run as the superuser, who may read and write anything. Answers what `body`
// answered ("" when all was well), or why the child could not run it. Call it before the
// test starts any thread of its own.
inline std::string run_unprivileged(const std::function<std::string()>& body) {
    int channel[2];
    if (::pipe(channel) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        constexpr uid_t kNobody = 65534;
        const bool dropped = ::geteuid() != 0 ||
                             (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0);
        const std::string answer = dropped ? body() : "cannot drop the superuser's rights";
        [[maybe_unused]] auto written = ::write(channel[1], answer.data(), answer.size());
        ::_exit(0);
    }
    ::close(channel[1]);
    std::string answer;
    char buffer[512];
    for (ssize_t count; (count = ::read(channel[0], buffer, sizeof buffer)) > 0;) answer.append(buffer, count);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? answer : "the child process ended abnormally";
}

}  // namespace test
