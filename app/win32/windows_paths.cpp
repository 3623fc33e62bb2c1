#include "app/win32/windows_paths.h"

std::string folderOfModule(std::string_view modulePath) {
    const std::size_t separator = modulePath.find_last_of("\\/");
    if (separator == std::string_view::npos) {
        return {};
    }
    std::string folder(modulePath.substr(0, separator));
    if (folder.size() == 2 && folder[1] == ':') {
        folder += '\\';
    }
    return folder;
}

std::string quoteArgument(std::string_view argument) {
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count double only before a quote.
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        quoted += c;
        backslashes = 0;
    }
    quoted.append(backslashes * 2, '\\');
    quoted += '"';
    return quoted;
}
