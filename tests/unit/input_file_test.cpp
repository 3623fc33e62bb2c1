// Reading a text file line by line: where lines end.
#include <gtest/gtest.h>

#include "app/forms_runtime.h"

namespace {

std::vector<std::string> linesOf(std::string content) {
    forms::InputFile file(std::move(content));
    std::vector<std::string> lines;
    while (!file.atEnd()) {
        lines.push_back(file.readLine());
    }
    return lines;
}

using Lines = std::vector<std::string>;

TEST(InputFile, CrOrCrLfEndsALineAndAFinalTerminatorStartsNoFurtherLine) {
    EXPECT_EQ(linesOf("a\r\nb\r\n"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\rb\r"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf("a\r\n\r\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf("a\r\r\nb"), (Lines{"a", "", "b"}));
}

TEST(InputFile, TheLastLineNeedsNoTerminator) {
    EXPECT_EQ(linesOf("één regel"), (Lines{"één regel"}));
}

TEST(InputFile, ALoneTerminatorIsOneEmptyLine) {
    EXPECT_EQ(linesOf("\r\n"), (Lines{""}));
    EXPECT_EQ(linesOf("\r"), (Lines{""}));
}

TEST(InputFile, ALoneLineFeedStaysInsideItsLine) {
    EXPECT_EQ(linesOf("a\nb\r\nc\n"), (Lines{"a\nb", "c\n"}));
    EXPECT_EQ(linesOf("\n\r"), (Lines{"\n"}));
}

TEST(InputFile, ReadingPastTheEndFails) {
    forms::InputFile empty("");
    EXPECT_TRUE(empty.atEnd());
    EXPECT_THROW(empty.readLine(), forms::Error);

    forms::InputFile one("x\r\n");
    EXPECT_EQ(one.readLine(), "x");
    EXPECT_TRUE(one.atEnd());
    EXPECT_THROW(one.readLine(), forms::Error);
}

}  // namespace
