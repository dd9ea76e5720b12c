#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "run_command.h"

namespace {

using Arguments = std::vector<std::string>;

std::string Rows(int count) {
    std::string file = "nt1,nt2,dp\n";
    for (int i = 0; i < count; ++i) {
        file += "20,40,10\n";
    }
    return file;
}

void StandardOutputTo(const char* path) {
    const int descriptor = open(path, O_WRONLY);
    dup2(descriptor, STDOUT_FILENO);
    close(descriptor);
}

void StandardOutputIntoClosedPipe() {
    int ends[2];
    if (pipe(ends) == 0) {
        close(ends[0]);
        dup2(ends[1], STDOUT_FILENO);
        close(ends[1]);
    }
    signal(SIGPIPE, SIG_IGN);
}

struct WriteCase {
    std::string name;
    Arguments arguments;
    std::string input;
    ChildSetup setup;
    std::string reason;
};

// Whatever the output, a write that fails ends the run with status 4 and the system's reason.
TEST(CommandWriteFailure, EveryOutputPathReportsTheReasonWithStatusFour) {
    const Arguments pair = {"--nt1", "20", "--nt2", "40", "--dp", "10"};
    Arguments pairJson = pair;
    pairJson.push_back("--json");
    const ChildSetup full = [] { StandardOutputTo("/dev/full"); };
    const ChildSetup closed = [] { close(STDOUT_FILENO); };
    const std::vector<WriteCase> cases = {
        {"table into a full disk", pair, "", full, "No space left on device"},
        {"json into a full disk", pairJson, "", full, "No space left on device"},
        {"help into a full disk", {"--help"}, "", full, "No space left on device"},
        {"batch csv into a full disk", {"--batch", "-"}, Rows(1000), full, "No space left on device"},
        {"batch json into a full disk",
         {"--batch", "-", "--json"},
         Rows(1000),
         full,
         "No space left on device"},
        {"table into a closed output", pair, "", closed, "Bad file descriptor"},
        {"batch into a closed output", {"--batch", "-"}, Rows(10), closed, "Bad file descriptor"},
        {"batch into a closed pipe",
         {"--batch", "-"},
         Rows(20000),
         StandardOutputIntoClosedPipe,
         "Broken pipe"},
        {"table into a closed pipe", pair, "", StandardOutputIntoClosedPipe, "Broken pipe"},
    };
    for (const WriteCase& test : cases) {
        const CommandRun run = RunCalc(test.arguments, test.input, test.setup);
        EXPECT_EQ(run.status, 4) << test.name;
        // One message, then the run ends: no row is calculated after the failure.
        EXPECT_EQ(run.err, "korvanta-calc: cannot write the results: " + test.reason + "\n") << test.name;
    }
}

TEST(CommandWriteFailure, UsageMessageIntoAFullDiskIsStatusFour) {
    const CommandRun run = RunCalc({"--nt1"}, "", [] {
        const int descriptor = open("/dev/full", O_WRONLY);
        dup2(descriptor, STDERR_FILENO);
    });
    EXPECT_EQ(run.status, 4);
}

struct ReadCase {
    std::string name;
    Arguments arguments;
    ChildSetup setup;
    int status;
    std::string message;
};

// Run as root, as on the test machines, file permissions refuse no read: a path through a plain file
// is refused to anyone, a file without read permission only to other users.
TEST(CommandReadFailure, UnreadableInputIsReportedWithItsReason) {
    char plainFile[] = "/tmp/korvanta-plain-XXXXXX";
    const int plain = mkstemp(plainFile);
    ASSERT_GE(plain, 0);
    close(plain);
    const std::string throughFile = std::string(plainFile) + "/pairs.csv";
    std::vector<ReadCase> cases = {
        {"a folder as standard input",
         {"--batch", "-"},
         [] { dup2(open("/", O_RDONLY), STDIN_FILENO); },
         4,
         "korvanta-calc: cannot read 'standard input': Is a directory\n"},
        {"closed standard input",
         {"--batch", "-"},
         [] { close(STDIN_FILENO); },
         4,
         "korvanta-calc: cannot read 'standard input': Bad file descriptor\n"},
        {"a missing file",
         {"--batch", "/nonexistent/pairs.csv"},
         {},
         2,
         "korvanta-calc: cannot read '/nonexistent/pairs.csv': No such file or directory\n"},
        {"a path through a plain file",
         {"--batch", throughFile},
         {},
         2,
         "korvanta-calc: cannot read '" + throughFile + "': Not a directory\n"},
        {"a folder", {"--batch", "/"}, {}, 2, "korvanta-calc: cannot read '/': it is a folder\n"},
    };
    if (geteuid() != 0) {
        chmod(plainFile, 0);
        cases.push_back({"a file without read permission",
                         {"--batch", plainFile},
                         {},
                         2,
                         "korvanta-calc: cannot read '" + std::string(plainFile) + "': Permission denied\n"});
    }
    for (const ReadCase& test : cases) {
        const CommandRun run = RunCalc(test.arguments, "", test.setup);
        EXPECT_EQ(run.status, test.status) << test.name;
        EXPECT_EQ(run.out, "") << test.name;
        EXPECT_EQ(run.err, test.message) << test.name;
    }
    unlink(plainFile);
}

// An I/O error in the middle of the file: the input is this process's memory, read through
// /proc/self/mem, ending in a page that is not mapped. The rows before the error are written, the row
// cut short by it is not calculated.
TEST(CommandReadFailure, RowsReadBeforeAnInputErrorAreWritten) {
    const auto page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    void* pages = mmap(nullptr, 2 * page, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(pages, MAP_FAILED);
    ASSERT_EQ(munmap(static_cast<char*>(pages) + page, page), 0);
    std::string file = "nt1,nt2,dp\n";
    int complete = 0;
    while (file.size() + 9 <= page) {
        file += "20,40,10\n";
        ++complete;
    }
    file += std::string("20,40,10").substr(0, page - file.size());
    std::copy(file.begin(), file.end(), static_cast<char*>(pages));
    const int memory = open("/proc/self/mem", O_RDONLY);
    ASSERT_GE(memory, 0);
    ASSERT_NE(lseek(memory, reinterpret_cast<off_t>(pages), SEEK_SET), -1);

    const CommandRun run = RunCalc({"--batch", "-"}, "", [memory] { dup2(memory, STDIN_FILENO); });
    close(memory);
    munmap(pages, page);
    EXPECT_EQ(run.status, 4);
    EXPECT_EQ(run.err, "korvanta-calc: cannot read 'standard input': Input/output error\n");
    const std::string lastRow = "\n" + std::to_string(complete + 1) + ",ok,";
    EXPECT_NE(run.out.find(lastRow), std::string::npos);
    EXPECT_EQ(run.out.find("\n" + std::to_string(complete + 2) + ","), std::string::npos);
}

// Reads from the descriptor until the text holds `lines` line feeds, the descriptor ends or ten
// seconds pass.
std::string ReadLines(int descriptor, int lines) {
    std::string text;
    pollfd ready{descriptor, POLLIN, 0};
    while (std::count(text.begin(), text.end(), '\n') < lines && poll(&ready, 1, 10000) > 0) {
        char buffer[4096];
        const ssize_t count = read(descriptor, buffer, sizeof buffer);
        if (count <= 0) {
            break;
        }
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return text;
}

// producer | korvanta-calc --batch - | consumer: the row's result arrives while the input stays open.
TEST(BatchStreaming, EachRowArrivesBeforeTheInputEnds) {
    // A writer whose reader is gone fails instead of ending the test.
    const auto previousAction = signal(SIGPIPE, SIG_IGN);
    for (const Arguments& arguments : {Arguments{"--batch", "-"}, Arguments{"--batch", "-", "--json"}}) {
        int input[2];
        int output[2];
        ASSERT_EQ(pipe(input), 0);
        ASSERT_EQ(pipe(output), 0);
        const pid_t child = fork();
        if (child == 0) {
            dup2(input[0], STDIN_FILENO);
            dup2(output[1], STDOUT_FILENO);
            close(input[1]);
            close(output[0]);
            std::vector<char*> argv = {const_cast<char*>(KORVANTA_CALC)};
            std::vector<std::string> copies = arguments;
            for (std::string& argument : copies) {
                argv.push_back(argument.data());
            }
            argv.push_back(nullptr);
            execv(KORVANTA_CALC, argv.data());
            _exit(127);
        }
        close(input[0]);
        close(output[1]);
        const bool csv = arguments.size() == 2;
        const std::string header = "nt1,nt2,dp\n";
        ASSERT_EQ(write(input[1], header.data(), header.size()), static_cast<ssize_t>(header.size()));
        if (csv) {
            EXPECT_EQ(ReadLines(output[0], 1).rfind("line,status,type,", 0), 0U);
        }
        const std::string row = "20,40,10\n";
        ASSERT_EQ(write(input[1], row.data(), row.size()), static_cast<ssize_t>(row.size()));
        const std::string first = ReadLines(output[0], 1);
        EXPECT_EQ(first.rfind(csv ? "2,ok,external," : "{\"line\": 2, \"type\": \"external\"", 0), 0U)
            << first;
        const std::string more = "18,54,8\n";
        ASSERT_EQ(write(input[1], more.data(), more.size()), static_cast<ssize_t>(more.size()));
        EXPECT_NE(ReadLines(output[0], 1).find(csv ? "3,ok," : "{\"line\": 3,"), std::string::npos);
        close(input[1]);
        ReadLines(output[0], 1);
        close(output[0]);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    signal(SIGPIPE, previousAction);
}

} // namespace
