#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "app/forms_runtime.h"
#include "app/posix/posix_system.h"
#include "app/text_decoding.h"

namespace posix {

namespace {

[[noreturn]] void fail(const std::string& path, const char* reason) {
    throw forms::Error("Kan het bestand '" + path + "' niet lezen: " + reason);
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

std::string readTextFile(const std::string& path) {
    // O_NONBLOCK: a FIFO or device under this name must not hang the window's start.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        fail(path, std::strerror(errno));
    }
    const FileDescriptor file(fd);
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        fail(path, std::strerror(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        fail(path, "geen gewoon bestand");
    }
    std::string content;
    content.reserve(static_cast<std::size_t>(status.st_size));
    char chunk[65536];
    for (;;) {
        const ssize_t count = ::read(file.get(), chunk, sizeof chunk);
        if (count == 0) {
            return decodeTextFile(content);
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            fail(path, std::strerror(errno));
        }
        content.append(chunk, static_cast<std::size_t>(count));
    }
}

}  // namespace posix
