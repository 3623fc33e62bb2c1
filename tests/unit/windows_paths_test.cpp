// The Windows build's launch folder and command line.
#include "app/win32/windows_paths.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The C run-time's rules for splitting a command line into arguments.
std::vector<std::string> splitLikeTheRuntime(std::string_view line) {
    std::vector<std::string> arguments;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) {
            ++i;
        }
        if (i == line.size()) {
            break;
        }
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) {
                    argument += '"';
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
                    argument += line[i++];
                }
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

TEST(WindowsLaunchFolder, ADriveRootKeepsItsBackslashAndAFolderHasNone) {
    EXPECT_EQ(folderOfModule("D:\\KasSetup.exe"), "D:\\");
    EXPECT_EQ(folderOfModule("C:\\Medium\\KasSetup.exe"), "C:\\Medium");
    EXPECT_EQ(folderOfModule("C:\\Program Files\\Kas Medium\\KasSetup.exe"),
              "C:\\Program Files\\Kas Medium");
    EXPECT_EQ(folderOfModule("\\\\server\\share\\KasSetup.exe"), "\\\\server\\share");
}

TEST(WindowsCommandLine, AQuotedPathComesBackWholeWhateverItHolds) {
    for (const std::string path :
         {"C:\\Program Files\\Kas\\KasTerminal.exe", "D:\\\\KasTerminal.exe",
          "C:\\Medium\\a \"quoted\" name.exe", "C:\\trailing\\", "C:\\two trailing\\\\",
          "C:\\back\\\"slash before quote.exe", "", "C:\\tab\there.exe"}) {
        EXPECT_EQ(splitLikeTheRuntime(quoteArgument(path)), std::vector<std::string>{path})
            << quoteArgument(path);
    }
}

TEST(WindowsCommandLine, ASpaceNoLongerSplitsThePath) {
    EXPECT_EQ(quoteArgument("C:\\Program Files\\Kas.exe"), "\"C:\\Program Files\\Kas.exe\"");
    EXPECT_EQ(quoteArgument("C:\\dir\\"), "\"C:\\dir\\\\\"");
}

}  // namespace
