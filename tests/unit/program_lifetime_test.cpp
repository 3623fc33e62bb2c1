// Window instances, the start of the program, its end, and the standard failure handler.
#include <gtest/gtest.h>

#include <array>

#include "app/application.h"
#include "install_dialog/dlg_setup.h"
#include "launcher_window/frm_setup.h"
#include "tests/recording/recording_runtime.h"

namespace {

class ProgramLifetime : public ::testing::Test {
protected:
    RecordingRuntime runtime;
    Application application{runtime};

    void start() {
        runtime.perform([&] { application.run(); });
    }
};

TEST_F(ProgramLifetime, FirstReferenceCreatesTheInstanceWithoutLoadingIt) {
    FrmSetup& first = application.frmSetup();
    EXPECT_EQ(&first, &application.frmSetup());
    EXPECT_FALSE(first.loaded());
    EXPECT_EQ(runtime.windowCount(), 0);
    EXPECT_TRUE(runtime.log.empty());
}

TEST_F(ProgramLifetime, StartRunsTheLoadStepBeforeTheFirstShow) {
    application.frmSetup().insKasTerminal = kTrue;
    start();
    EXPECT_EQ(application.frmSetup().insKasTerminal, kFalse);  // the load step ran
    EXPECT_EQ(runtime.logFrom(0, "load"), std::vector<std::string>{"load frmSetup"});
    EXPECT_EQ(runtime.logFrom(0, "show"), std::vector<std::string>{"show frmSetup"});
    EXPECT_EQ(runtime.log.back(), "show frmSetup");
    EXPECT_TRUE(runtime.window("frmSetup").visible);
    EXPECT_TRUE(runtime.loopRunning());
}

TEST_F(ProgramLifetime, LoadingALoadedWindowRunsNoSecondLoadStep) {
    start();
    FrmSetup& frmSetup = application.frmSetup();
    frmSetup.insDirectX = kTrue;
    frmSetup.load();
    frmSetup.show();
    EXPECT_EQ(frmSetup.insDirectX, kTrue);
    EXPECT_EQ(runtime.logFrom(0, "load").size(), 1u);
}

TEST_F(ProgramLifetime, UnloadThenLoadStartsFromTheDesignedState) {
    start();
    runtime.control("frmSetup", "imgEind").picture = {"eind_dwn"};
    runtime.control("frmSetup", "imgInstalleren").visible = false;
    runtime.control("frmSetup", "imgInstalleren").enabled = false;
    runtime.control("frmSetup", "txtInfo").text = "Sluit de Setup af..";

    application.frmSetup().unload();
    EXPECT_FALSE(runtime.loaded("frmSetup"));
    application.frmSetup().load();

    EXPECT_EQ(runtime.control("frmSetup", "imgEind").picture, forms::Picture{"eind_nrm"});
    EXPECT_TRUE(runtime.control("frmSetup", "imgInstalleren").visible);
    EXPECT_TRUE(runtime.control("frmSetup", "imgInstalleren").enabled);
    EXPECT_NE(runtime.control("frmSetup", "txtInfo").text, "Sluit de Setup af..");
    EXPECT_FALSE(runtime.window("frmSetup").visible);  // loaded, not yet shown
}

TEST_F(ProgramLifetime, PublicFieldsOutliveTheWindowAndReadingThemLoadsNothing) {
    start();
    FrmSetup& frmSetup = application.frmSetup();
    frmSetup.insKasTerminal = kTrue;
    frmSetup.insDirectX = kTrue;
    runtime.closeWindow("frmSetup");

    EXPECT_EQ(frmSetup.insKasTerminal, kTrue);
    EXPECT_EQ(frmSetup.insDirectX, kTrue);
    EXPECT_FALSE(frmSetup.loaded());
    EXPECT_EQ(runtime.windowCount(), 0);
}

TEST_F(ProgramLifetime, ClosingTheLauncherWindowEndsTheProgramWithoutAQuestion) {
    start();
    runtime.closeWindow("frmSetup");
    EXPECT_FALSE(runtime.loaded("frmSetup"));
    EXPECT_FALSE(runtime.loopRunning());
    EXPECT_TRUE(runtime.messageBoxes.empty());
    EXPECT_FALSE(runtime.ended);  // it ran out of windows; End was not needed
}

TEST_F(ProgramLifetime, TheProgramRunsUntilTheLastWindowIsUnloaded) {
    start();
    application.dlgSetup().show();
    runtime.closeWindow("frmSetup");
    EXPECT_TRUE(runtime.loopRunning());
    EXPECT_TRUE(runtime.window("dlgSetup").visible);

    runtime.closeWindow("dlgSetup");
    EXPECT_FALSE(runtime.loopRunning());
    EXPECT_EQ(runtime.windowCount(), 0);
}

TEST_F(ProgramLifetime, ClosingTheDialogFirstLeavesTheLauncherRunning) {
    start();
    application.dlgSetup().show();
    runtime.closeWindow("dlgSetup");
    EXPECT_TRUE(runtime.loopRunning());
    EXPECT_TRUE(runtime.window("frmSetup").visible);
}

// A window of the tests' own whose buttons fail or end the program.
constexpr std::array kProbeControls{
    forms::ControlLayout{.name = "cmdFail", .kind = forms::ControlKind::CommandButton},
    forms::ControlLayout{.name = "cmdCrash", .kind = forms::ControlKind::CommandButton},
    forms::ControlLayout{.name = "cmdEnd", .kind = forms::ControlKind::CommandButton},
};
constexpr forms::WindowLayout kProbeLayout{.name = "frmProbe", .controls = kProbeControls};

class ProbeForm : public Form {
public:
    explicit ProbeForm(forms::Runtime& runtime) : Form(runtime, kProbeLayout) {
        onClick(0, [this] {
            throw forms::cannotStartProgram("/media/kas/KasTerminal.exe",
                                            "No such file or directory");
            ranOn = true;
        });
        onClick(1, [] { throw std::length_error("basic_string::_M_create"); });
        onClick(2, [this] {
            this->runtime().end();
            ranOn = true;
        });
    }
    bool ranOn = false;
};

class FailureHandling : public ::testing::Test {
protected:
    RecordingRuntime runtime;
    ProbeForm probe{runtime};
    Application application{runtime};

    void SetUp() override {
        runtime.perform([&] { application.run(); });
        probe.show();
        application.dlgSetup().show();
    }
    void expectAllWindowsGone() {
        EXPECT_FALSE(runtime.window("frmSetup").visible);
        EXPECT_FALSE(runtime.window("dlgSetup").visible);
        EXPECT_FALSE(runtime.window("frmProbe").visible);
    }
};

TEST_F(FailureHandling, AnUncaughtFailureShowsTheErrorBoxNamingItThenEnds) {
    runtime.click("frmProbe", "cmdFail");
    ASSERT_EQ(runtime.messageBoxes.size(), 1u);
    const auto& box = runtime.messageBoxes[0];
    EXPECT_EQ(box.style, RecordingRuntime::kErrorStyle);
    EXPECT_EQ(box.title, "KasSetup");
    EXPECT_NE(box.text.find("Kan het programma '/media/kas/KasTerminal.exe' niet starten: "
                            "No such file or directory"),
              std::string::npos);
    EXPECT_TRUE(runtime.ended);
    EXPECT_FALSE(probe.ranOn);
    EXPECT_EQ(runtime.logFrom(runtime.log.size() - 2),
              (std::vector<std::string>{"error KasSetup", "end"}));
    expectAllWindowsGone();
}

TEST_F(FailureHandling, AFaultOfAnyOtherKindAlsoReachesTheStandardHandler) {
    runtime.click("frmProbe", "cmdCrash");
    ASSERT_EQ(runtime.messageBoxes.size(), 1u);
    EXPECT_NE(runtime.messageBoxes[0].text.find("basic_string::_M_create"), std::string::npos);
    EXPECT_TRUE(runtime.ended);
}

TEST_F(FailureHandling, EndStopsAtOnceAndRemovesEveryWindow) {
    runtime.click("frmProbe", "cmdEnd");
    EXPECT_TRUE(runtime.ended);
    EXPECT_FALSE(probe.ranOn);
    EXPECT_TRUE(runtime.messageBoxes.empty());
    EXPECT_EQ(runtime.log.back(), "end");
    EXPECT_TRUE(runtime.logFrom(0, "unload").empty());  // no unload step, no destroy
    expectAllWindowsGone();
}

}  // namespace
