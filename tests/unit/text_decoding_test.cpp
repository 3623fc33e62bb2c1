// Setup.txt's bytes into the program's text, and the text box's way of showing a lone LF.
#include <gtest/gtest.h>

#include "app/gtk/line_feed_display.h"
#include "app/text_decoding.h"

namespace {

using namespace std::string_literals;

TEST(Decoding, AByteOrderMarkMeansUtf8AndIsDropped) {
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF"
                             "caf\xC3\xA9"),
              "caf\xC3\xA9");
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF"), "");
    // Only the first mark is the file's; a second one is text.
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF\xEF\xBB\xBF"
                             "a"),
              "\xEF\xBB\xBF"
              "a");
}

TEST(Decoding, ValidUtf8IsTakenAsItIs) {
    EXPECT_EQ(decodeTextFile("\xC3\xA9\xC3\xA9n \xE2\x82\xAC \xF0\x9F\x98\x80"),
              "\xC3\xA9\xC3\xA9n \xE2\x82\xAC \xF0\x9F\x98\x80");
}

TEST(Decoding, AnythingElseIsWindows1252) {
    // "één café, € 5" as Windows-1252.
    EXPECT_EQ(decodeTextFile("\xE9\xE9n caf\xE9, \x80 5"),
              "\xC3\xA9\xC3\xA9n caf\xC3\xA9, \xE2\x82\xAC 5");
    // Curly quotes, dash, trademark and ÿ from the upper half.
    EXPECT_EQ(decodeTextFile("\x93q\x94 \x96 \x99 \xFF"),
              "\xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x93 \xE2\x84\xA2 \xC3\xBF");
}

TEST(Decoding, TheFiveUnassignedWindows1252BytesBecomeReplacementCharacters) {
    EXPECT_EQ(decodeTextFile("\x81\x8D\x8F\x90\x9D"),
              "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Decoding, BrokenUtf8FallsBackToWindows1252AsAWhole) {
    // Overlong, surrogate, above U+10FFFF, cut short: none of them is UTF-8.
    EXPECT_EQ(decodeTextFile("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(decodeTextFile("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
    EXPECT_EQ(decodeTextFile("\xF4\x90\x80\x80").substr(0, 2), "\xC3\xB4");
    EXPECT_EQ(decodeTextFile("\xC3\xA9\xC3"), "\xC3\x83\xC2\xA9\xC3\x83");
}

TEST(Decoding, AMarkOverBrokenUtf8KeepsTheValidPartsAndReplacesTheRest) {
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF"
                             "a\xFF"
                             "b\xC3\xA9"),
              "a\xEF\xBF\xBD"
              "b\xC3\xA9");
}

TEST(Decoding, ANulNeverReachesTheTextAndTheRestStays) {
    EXPECT_EQ(decodeTextFile("voor\0na"s), "voor\xEF\xBF\xBDna");
    EXPECT_EQ(decodeTextFile("\xE9\0\xE9"s), "\xC3\xA9\xEF\xBF\xBD\xC3\xA9");
    EXPECT_EQ(decodeTextFile("\xEF\xBB\xBF\0"s), "\xEF\xBF\xBD");
}

TEST(Decoding, AVeryLongLineSurvivesWhole) {
    const std::string line(3'000'000, 'x');
    EXPECT_EQ(decodeTextFile(line + "\xE9"), line + "\xC3\xA9");
}

TEST(LineFeedDisplay, ALoneLineFeedIsShownWithoutABreakAndComesBackAsItWas) {
    const std::string text = "a\nb\r\nc\r\n\nd\n";
    const std::string shown = textForDisplay(text);
    EXPECT_EQ(shown.find('\n'), std::string("a\xE2\x81\xA0"
                                            "b\r")
                                    .size());  // only CR LF
    EXPECT_EQ(textFromDisplay(shown), text);
}

TEST(LineFeedDisplay, ALineBreakTypedByTheUserIsCrLf) {
    EXPECT_EQ(textFromDisplay("een\ntwee\r\ndrie"), "een\r\ntwee\r\ndrie");
}

}  // namespace
