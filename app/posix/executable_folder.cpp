#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "app/forms_runtime.h"
#include "app/posix/posix_system.h"

namespace posix {

std::string executableFolder() {
    std::vector<char> buffer(256);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) {
            throw forms::Error(std::string("Kan de map van KasSetup niet bepalen: ") +
                               std::strerror(errno));
        }
        if (static_cast<std::size_t>(length) < buffer.size()) {
            const std::string path(buffer.data(), static_cast<std::size_t>(length));
            const std::size_t slash = path.rfind('/');
            return slash == 0 || slash == std::string::npos ? "/" : path.substr(0, slash);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace posix
