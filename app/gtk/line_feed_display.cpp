#include "app/gtk/line_feed_display.h"

namespace {

constexpr std::string_view kWordJoiner = "\xE2\x81\xA0";  // U+2060

}  // namespace

std::string textForDisplay(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            shown += kWordJoiner;
        } else {
            shown += text[i];
        }
    }
    return shown;
}

std::string textFromDisplay(std::string_view shown) {
    std::string text;
    text.reserve(shown.size());
    for (std::size_t i = 0; i < shown.size(); ++i) {
        if (shown.substr(i).starts_with(kWordJoiner)) {
            text += '\n';
            i += kWordJoiner.size() - 1;
        } else if (shown[i] == '\n' && (i == 0 || shown[i - 1] != '\r')) {
            text += "\r\n";
        } else {
            text += shown[i];
        }
    }
    return text;
}
