// Starting real programs: what the started program gets, and the failures.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <map>
#include <thread>

#include "app/forms_runtime.h"
#include "app/posix/posix_system.h"
#include "tests/support/temporary_folder.h"

namespace {

using Report = std::map<std::string, std::string>;

// Waits for the probe at `program` to write its report and returns it.
Report reportOf(const std::filesystem::path& program) {
    const std::filesystem::path file = program.string() + ".report";
    for (int i = 0; i < 500 && !std::filesystem::exists(file); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    Report report;
    std::ifstream in(file);
    std::string line;
    while (std::getline(in, line)) {
        const std::size_t equals = line.find('=');
        report[line.substr(0, equals)] = line.substr(equals + 1);
    }
    return report;
}

// Children of this process that have ended but were never reaped.
int zombieChildren() {
    int zombies = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string text;
        if (!std::getline(stat, text)) {
            continue;
        }
        // pid (comm) state ppid ...; comm may hold spaces, so read after the last ')'.
        std::istringstream rest(text.substr(text.rfind(')') + 2));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        zombies += state == 'Z' && parent == getpid();
    }
    return zombies;
}

class ProgramStart : public ::testing::Test {
protected:
    TemporaryFolder medium;

    std::filesystem::path installProbe(std::string_view relative) {
        const std::filesystem::path target = medium.path() / relative;
        std::filesystem::create_directories(target.parent_path());
        std::filesystem::copy_file(KASSETUP_PROBE_PROGRAM, target);
        return target;
    }
    // The failure's text when starting `path`, or "" if it started.
    static std::string failureOf(const std::filesystem::path& path) {
        try {
            posix::startDetachedProgram(path.string());
        } catch (const forms::Error& failure) {
            return failure.what();
        }
        return "";
    }
};

TEST_F(ProgramStart, TheProgramGetsTheBarePathAndTheLaunchersDirectory) {
    const auto program = installProbe("Mijn cd/Übersicht één.exe");
    posix::startDetachedProgram(program.string());
    Report report = reportOf(program);
    EXPECT_EQ(report["argc"], "1");
    EXPECT_EQ(report["argv0"], program.string());
    EXPECT_EQ(report["cwd"], std::filesystem::current_path().string());
}

TEST_F(ProgramStart, TheProgramRunsDetachedWithNothingOfTheLaunchersState) {
    // State a launcher may well have: a descriptor without close-on-exec, an ignored signal,
    // a blocked signal.
    const int inherited = open("/dev/null", O_RDONLY);
    signal(SIGUSR1, SIG_IGN);
    sigset_t blocked, previous;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGUSR2);
    sigprocmask(SIG_BLOCK, &blocked, &previous);

    const auto program = installProbe("KasTerminal.exe");
    posix::startDetachedProgram(program.string());
    Report report = reportOf(program);

    sigprocmask(SIG_SETMASK, &previous, nullptr);
    signal(SIGUSR1, SIG_DFL);
    close(inherited);

    EXPECT_EQ(report["own_session"], "1");
    // 0, 1, 2 and the one the probe lists /proc/self/fd with.
    EXPECT_EQ(report["fds"], "0,1,2,3,");
    EXPECT_EQ(report["blocked"], "0000000000000000");
    // glibc's posix_spawn leaves its own two internal signals (32 and 33) ignored; every
    // signal a program may use is at its default.
    const unsigned long long ignored = std::stoull(report["ignored"], nullptr, 16);
    EXPECT_EQ(ignored & ~0x180000000ULL, 0u) << report["ignored"];
}

TEST_F(ProgramStart, ProgramsThatEndLeaveNoZombieBehind) {
    for (int i = 0; i < 5; ++i) {
        const auto program = installProbe("run" + std::to_string(i) + ".exe");
        posix::startDetachedProgram(program.string());
        reportOf(program);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(zombieChildren(), 0);
}

TEST_F(ProgramStart, EachFailureIsReportedAtOnceWithThePathAndTheReason) {
    const auto missing = medium.path() / "KasInstall" / "KasTerminal_setup.exe";
    EXPECT_EQ(failureOf(missing), "Kan het programma '" + missing.string() +
                                      "' niet starten: No such file or directory");

    const auto folder = medium.path() / "map.exe";
    std::filesystem::create_directory(folder);
    EXPECT_EQ(failureOf(folder),
              "Kan het programma '" + folder.string() + "' niet starten: Permission denied");

    const auto notExecutable = medium.write("tekst.exe", "#!/bin/sh\n");
    std::filesystem::permissions(notExecutable, std::filesystem::perms::owner_read);
    EXPECT_EQ(failureOf(notExecutable),
              "Kan het programma '" + notExecutable.string() + "' niet starten: Permission denied");

    const auto garbage = medium.write("kapot.exe", std::string("MZ\x90\0\3", 5));
    std::filesystem::permissions(garbage, std::filesystem::perms::owner_all);
    EXPECT_EQ(failureOf(garbage),
              "Kan het programma '" + garbage.string() + "' niet starten: Exec format error");
}

}  // namespace
