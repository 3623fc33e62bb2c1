#include <signal.h>
#include <spawn.h>

#include <cstring>

#include "app/forms_runtime.h"
#include "app/posix/posix_system.h"

extern char** environ;

namespace posix {

namespace {

// The launcher never waits for what it starts; letting the kernel reap the children keeps
// them from lingering as zombies while the launcher runs on.
void reapChildrenAutomatically() {
    struct sigaction action {};
    action.sa_handler = SIG_IGN;
    action.sa_flags = SA_NOCLDWAIT;
    sigemptyset(&action.sa_mask);
    sigaction(SIGCHLD, &action, nullptr);
}

class SpawnSettings {
public:
    SpawnSettings() {
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_init(&actions_);
        // A session of its own: the program outlives the launcher and its terminal.
        short flags = POSIX_SPAWN_SETSID | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
        posix_spawnattr_setflags(&attributes_, flags);
        sigset_t signals;
        sigemptyset(&signals);
        posix_spawnattr_setsigmask(&attributes_, &signals);
        sigfillset(&signals);
        posix_spawnattr_setsigdefault(&attributes_, &signals);
        // Nothing of the launcher's beyond stdin, stdout and stderr, whatever flags it has.
        posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
    }
    ~SpawnSettings() {
        posix_spawn_file_actions_destroy(&actions_);
        posix_spawnattr_destroy(&attributes_);
    }
    SpawnSettings(const SpawnSettings&) = delete;
    SpawnSettings& operator=(const SpawnSettings&) = delete;

    const posix_spawnattr_t* attributes() const { return &attributes_; }
    const posix_spawn_file_actions_t* actions() const { return &actions_; }

private:
    posix_spawnattr_t attributes_;
    posix_spawn_file_actions_t actions_;
};

}  // namespace

void startDetachedProgram(const std::string& path) {
    static const bool reaping = (reapChildrenAutomatically(), true);
    (void)reaping;
    const SpawnSettings settings;
    std::string program = path;
    char* const argv[] = {program.data(), nullptr};
    pid_t child = 0;
    // posix_spawn, not posix_spawnp and no shell: the path is a file name and nothing else.
    const int error =
        posix_spawn(&child, path.c_str(), settings.actions(), settings.attributes(), argv, environ);
    if (error != 0) {
        throw forms::cannotStartProgram(path, std::strerror(error));
    }
}

}  // namespace posix
