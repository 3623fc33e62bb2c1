// How the GTK text box shows a text. The launcher's text breaks lines only at CR LF (and CR),
// as the medium's platform does; a lone LF is a character inside its line. GTK would break
// there, so the box shows a lone LF as a word joiner (invisible, no break) and maps it back.
#pragma once

#include <string>
#include <string_view>

// The text as the box holds it: each LF not preceded by CR becomes U+2060.
std::string textForDisplay(std::string_view text);

// The text the box shows, back in the launcher's form: U+2060 is a lone LF again, and a line
// break typed by the user (a bare LF in the box) becomes CR LF.
std::string textFromDisplay(std::string_view shown);
