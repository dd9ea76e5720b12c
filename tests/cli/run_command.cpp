#include "run_command.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdlib>

namespace {

// False when the program printed nothing for ten seconds without ending.
bool ReadBoth(int outFd, int errFd, std::string& out, std::string& err) {
    std::array<pollfd, 2> fds{{{outFd, POLLIN, 0}, {errFd, POLLIN, 0}}};
    std::array<std::string*, 2> sinks{&out, &err};
    int open = 2;
    while (open > 0) {
        if (poll(fds.data(), fds.size(), 10000) <= 0) {
            return false;
        }
        for (std::size_t i = 0; i < fds.size(); ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            } else {
                sinks[i]->append(buffer, static_cast<std::size_t>(n));
            }
        }
    }
    return true;
}

} // namespace

CommandRun RunCalc(const std::vector<std::string>& arguments, const std::string& input,
                   const ChildSetup& setup) {
    int outPipe[2];
    int errPipe[2];
    CommandRun run;
    // The input lies in an unlinked file, so a long input never waits on a full pipe.
    char inputPath[] = "/tmp/korvanta-calc-input-XXXXXX";
    const int inputFd = mkstemp(inputPath);
    if (inputFd < 0 || pipe(outPipe) != 0 || pipe(errPipe) != 0) {
        return run;
    }
    unlink(inputPath);
    if (write(inputFd, input.data(), input.size()) != static_cast<ssize_t>(input.size()) ||
        lseek(inputFd, 0, SEEK_SET) != 0) {
        return run;
    }
    const pid_t child = fork();
    if (child == 0) {
        dup2(inputFd, STDIN_FILENO);
        dup2(outPipe[1], STDOUT_FILENO);
        dup2(errPipe[1], STDERR_FILENO);
        close(outPipe[0]);
        close(errPipe[0]);
        if (setup) {
            setup();
        }
        std::vector<char*> argv;
        std::string program = KORVANTA_CALC;
        argv.push_back(program.data());
        std::vector<std::string> copies = arguments;
        for (std::string& argument : copies) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(inputFd);
    close(outPipe[1]);
    close(errPipe[1]);
    if (!ReadBoth(outPipe[0], errPipe[0], run.out, run.err)) {
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}
