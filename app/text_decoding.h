// Turning the bytes of a text file into the program's UTF-8, whatever the file holds.
#pragma once

#include <string>
#include <string_view>

// A UTF-8 byte-order mark means UTF-8 (the mark is dropped); otherwise valid UTF-8 is UTF-8;
// otherwise the bytes are Windows-1252, whose five unassigned bytes become U+FFFD. A NUL is not
// text and becomes U+FFFD too, so the result never holds one.
std::string decodeTextFile(std::string_view bytes);

bool isValidUtf8(std::string_view bytes);
