// The launcher window's load step: Setup.txt beside the launcher into txtInfo.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/application.h"
#include "app/launch_path.h"
#include "launcher_window/frm_setup.h"
#include "tests/recording/recording_runtime.h"
#include "tests/support/temporary_folder.h"

namespace {

using namespace std::string_literals;

class InfoText : public ::testing::Test {
protected:
    TemporaryFolder medium;
    RecordingRuntime runtime;
    Application application{runtime};

    void SetUp() override { runtime.launchFolder = medium.path().string(); }

    // Starts the launcher and returns what its information box shows.
    std::string shownText() {
        runtime.perform([&] { application.run(); });
        return runtime.control("frmSetup", "txtInfo").text;
    }
    std::string notFoundText() const {
        return "Kon '" + medium.path().string() + "/Setup.txt' niet vinden!";
    }
};

TEST_F(InfoText, LinesAreJoinedWithCrLfAndAFinalTerminatorAddsNoEmptyLine) {
    medium.write("Setup.txt", "a\r\nb\r\n");
    EXPECT_EQ(shownText(), "a\r\nb");
}

TEST_F(InfoText, EmptyLinesAndLoneCrsAreLinesOfTheirOwn) {
    medium.write("Setup.txt", "a\r\n\r\nb\rc");
    EXPECT_EQ(shownText(), "a\r\n\r\nb\r\nc");
}

TEST_F(InfoText, AFileOfOnlyCrLfShowsOneEmptyLine) {
    medium.write("Setup.txt", "\r\n");
    EXPECT_EQ(shownText(), "");
    EXPECT_EQ(runtime.logFrom(0, "frmSetup.txtInfo"),
              std::vector<std::string>{"frmSetup.txtInfo.Text="});
}

TEST_F(InfoText, ALoneLineFeedStaysInsideItsLine) {
    medium.write("Setup.txt", "twee\nwoorden\r\nklaar");
    EXPECT_EQ(shownText(), "twee\nwoorden\r\nklaar");
}

TEST_F(InfoText, TheTextIsSetOnceBeforeTheWindowIsShown) {
    medium.write("Setup.txt", "een\r\ntwee\r\ndrie\r\n");
    shownText();
    const auto entries = runtime.logFrom(0);
    const auto set =
        std::find(entries.begin(), entries.end(), "frmSetup.txtInfo.Text=een\r\ntwee\r\ndrie");
    const auto show = std::find(entries.begin(), entries.end(), "show frmSetup");
    EXPECT_LT(set, show);
    EXPECT_EQ(runtime.logFrom(0, "frmSetup.txtInfo").size(), 1u);
}

TEST_F(InfoText, Windows1252AndUtf8FilesBothShowTheirAccents) {
    medium.write("Setup.txt", "Caf\xE9 \x80\r\n");
    EXPECT_EQ(shownText(), "Caf\xC3\xA9 \xE2\x82\xAC");
}

TEST_F(InfoText, ANulByteDoesNotCutTheTextShort) {
    medium.write("Setup.txt", "voor\0na\r\nrest"s);
    EXPECT_EQ(shownText(), "voor\xEF\xBF\xBDna\r\nrest");
}

TEST_F(InfoText, AMissingFileShowsTheNotFoundTextWithTheLaunchFolder) {
    EXPECT_EQ(shownText(), notFoundText());
}

TEST_F(InfoText, AnEmptyFileShowsTheNotFoundText) {
    medium.write("Setup.txt", "");
    EXPECT_EQ(shownText(), notFoundText());
}

TEST_F(InfoText, ADirectoryNamedSetupTxtShowsTheNotFoundText) {
    std::filesystem::create_directory(medium.path() / "Setup.txt");
    EXPECT_EQ(shownText(), notFoundText());
}

TEST_F(InfoText, AFifoNamedSetupTxtShowsTheNotFoundTextAtOnce) {
    ASSERT_EQ(mkfifo((medium.path() / "Setup.txt").c_str(), 0644), 0);
    EXPECT_EQ(shownText(), notFoundText());  // a blocking open would hang here
}

TEST_F(InfoText, AReadThatFailsPartWayShowsTheNotFoundText) {
    // A regular file whose reading fails: this process's memory at address 0.
    std::filesystem::create_symlink("/proc/self/mem", medium.path() / "Setup.txt");
    EXPECT_EQ(shownText(), notFoundText());
}

TEST_F(InfoText, AnUnreadableFileShowsTheNotFoundText) {
    medium.write("Setup.txt", "geheim\r\n");
    chmod((medium.path() / "Setup.txt").c_str(), 0);
    chmod(medium.path().c_str(), 0755);
    // Root reads anything: the check runs in a child that gives up root first.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        _exit(shownText() == notFoundText() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST_F(InfoText, TheNotFoundTextReplacesWhateverTheBoxHeld) {
    medium.write("Setup.txt", "eerst\r\n");
    shownText();
    std::filesystem::remove(medium.path() / "Setup.txt");
    application.frmSetup().unload();
    application.frmSetup().load();
    EXPECT_EQ(runtime.control("frmSetup", "txtInfo").text, notFoundText());
}

TEST_F(InfoText, TheFileIsClosedOnEveryPath) {
    const int before = openDescriptorCount();
    medium.write("Setup.txt", "a\r\nb");
    shownText();
    application.frmSetup().unload();
    std::filesystem::remove(medium.path() / "Setup.txt");
    std::filesystem::create_directory(medium.path() / "Setup.txt");
    application.frmSetup().load();
    EXPECT_EQ(openDescriptorCount(), before);
}

TEST(LaunchPath, AtARootBothSeparatorsStay) {
    EXPECT_EQ(joinLaunchPath("/", kInfoFile), "//Setup.txt");
    EXPECT_EQ(joinLaunchPath("/media/cd rom", kProductInstaller),
              "/media/cd rom/KasInstall/KasTerminal_setup.exe");
}

TEST(LaunchPath, TheNotFoundTextAtTheRootShowsTwoSeparators) {
    RecordingRuntime runtime;
    runtime.launchFolder = "/";
    Application application{runtime};
    runtime.perform([&] { application.run(); });
    EXPECT_EQ(runtime.control("frmSetup", "txtInfo").text, "Kon '//Setup.txt' niet vinden!");
}

}  // namespace
