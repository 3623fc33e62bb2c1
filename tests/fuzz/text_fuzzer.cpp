// Any bytes at all as Setup.txt: decoding, line reading and the text box's display form must
// hold their promises and never crash.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/forms_runtime.h"
#include "app/gtk/line_feed_display.h"
#include "app/text_decoding.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string text = decodeTextFile(bytes);

    require(isValidUtf8(text));
    require(text.find('\0') == std::string::npos);
    if (!bytes.starts_with("\xEF\xBB\xBF") && isValidUtf8(bytes) &&
        bytes.find('\0') == std::string::npos) {
        require(text == bytes);
    }

    // Lines hold no CR, and every line but an empty file's first takes at least one byte.
    forms::InputFile file(text);
    std::size_t lineBytes = 0, lines = 0;
    while (!file.atEnd()) {
        const std::string line = file.readLine();
        require(line.find('\r') == std::string::npos);
        lineBytes += line.size();
        ++lines;
        require(lineBytes + lines - 1 <= text.size());
    }
    require(lines <= static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1);

    if (text.find("\xE2\x81\xA0") == std::string::npos) {
        require(textFromDisplay(textForDisplay(text)) == text);
    }
    return 0;
}
