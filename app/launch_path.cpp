#include "app/launch_path.h"

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

}  // namespace

std::string joinLaunchPath(std::string_view folder, std::string_view relative) {
    std::string path(folder);
    for (const char c : relative) {
        path += c == '\\' ? kSeparator : c;
    }
    return path;
}

std::string launchPath(forms::Runtime& runtime, std::string_view relative) {
    return joinLaunchPath(runtime.applicationPath(), relative);
}
