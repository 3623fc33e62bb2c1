// The install dialog's OK, Cancel and close box, and the installed flags behind them.
#include "tests/support/launcher_fixture.h"

namespace {

using Log = std::vector<std::string>;

class InstallDialog : public StartedLauncher {
protected:
    void SetUp() override {
        StartedLauncher::SetUp();
        openDialog();
    }
    FrmSetup& frmSetup() { return application.frmSetup(); }
    bool dialogOpen() { return runtime.loaded("dlgSetup") && runtime.window("dlgSetup").visible; }
    bool installButtonThere() {
        const auto& button = runtime.control("frmSetup", "imgInstalleren");
        return button.visible && button.enabled;
    }
    void setBox(std::string_view box, int value) { runtime.control("dlgSetup", box).value = value; }
    void failToStart(std::string_view relative) {
        runtime.unstartable[pathOf(relative)] = "No such file or directory";
    }
};

TEST_F(InstallDialog, OkStartsBothInstallersInOrderThenClosesTheDialog) {
    EXPECT_EQ(click("dlgSetup", "OKButton"),
              (Log{"start " + pathOf(kProductInstaller), "start " + pathOf(kDirectXInstaller),
                   "frmSetup.imgInstalleren.Visible=0", "frmSetup.imgInstalleren.Enabled=0",
                   "hide dlgSetup", "unload dlgSetup"}));
    EXPECT_EQ(frmSetup().insKasTerminal, kTrue);
    EXPECT_EQ(frmSetup().insDirectX, kTrue);
    EXPECT_FALSE(runtime.loaded("dlgSetup"));
    EXPECT_TRUE(runtime.messageBoxes.empty());
    EXPECT_TRUE(runtime.loopRunning());  // the launcher window is still there
}

TEST_F(InstallDialog, AMissingProductInstallerStopsTheActionBeforeAnythingStarts) {
    failToStart(kProductInstaller);
    EXPECT_EQ(click("dlgSetup", "OKButton"), Log{"start " + pathOf(kProductInstaller)});
    EXPECT_TRUE(runtime.started.empty());
    EXPECT_TRUE(dialogOpen());
    EXPECT_TRUE(runtime.messageBoxes.empty());
    EXPECT_EQ(frmSetup().insKasTerminal, kFalse);
}

TEST_F(InstallDialog, AMissingDirectXInstallerStopsAfterTheProductsInstaller) {
    failToStart(kDirectXInstaller);
    click("dlgSetup", "OKButton");
    EXPECT_EQ(runtime.started, Log{pathOf(kProductInstaller)});
    EXPECT_TRUE(dialogOpen());
    EXPECT_TRUE(runtime.messageBoxes.empty());
    EXPECT_EQ(frmSetup().insKasTerminal, kTrue);
    EXPECT_EQ(frmSetup().insDirectX, kFalse);
    EXPECT_TRUE(installButtonThere());

    // OK again repeats the whole action, the product's installer included.
    click("dlgSetup", "OKButton");
    EXPECT_EQ(runtime.started, (Log{pathOf(kProductInstaller), pathOf(kProductInstaller)}));
    EXPECT_TRUE(dialogOpen());
}

TEST_F(InstallDialog, AMissingDirectXInstallerAloneStartsNothing) {
    failToStart(kDirectXInstaller);
    runtime.click("dlgSetup", "chkKasTerminal");
    click("dlgSetup", "OKButton");
    EXPECT_TRUE(runtime.started.empty());
    EXPECT_TRUE(dialogOpen());
    EXPECT_TRUE(runtime.messageBoxes.empty());
}

TEST_F(InstallDialog, OnlyCheckedBoxesStartInstallers) {
    setBox("chkKasTerminal", 2);  // grayed is not chosen
    runtime.click("dlgSetup", "chkDirectX");
    runtime.click("dlgSetup", "chkDirectX");  // back to checked
    click("dlgSetup", "OKButton");
    EXPECT_EQ(runtime.started, Log{pathOf(kDirectXInstaller)});
    EXPECT_FALSE(runtime.loaded("dlgSetup"));
}

TEST_F(InstallDialog, NeitherBoxChosenStartsNothingYetStillCallsGeInStalleerd) {
    frmSetup().insKasTerminal = kTrue;
    frmSetup().insDirectX = kTrue;
    setBox("chkKasTerminal", 0);
    setBox("chkDirectX", 0);
    click("dlgSetup", "OKButton");
    EXPECT_TRUE(runtime.started.empty());
    EXPECT_FALSE(installButtonThere());
    EXPECT_FALSE(runtime.loaded("dlgSetup"));
}

TEST_F(InstallDialog, AnItemInstalledInThisRunStartsUncheckedNextTime) {
    setBox("chkDirectX", 0);
    click("dlgSetup", "OKButton");
    EXPECT_TRUE(installButtonThere());  // only one of the two is installed
    openDialog();
    EXPECT_EQ(runtime.control("dlgSetup", "chkKasTerminal").value, 0);
    EXPECT_EQ(runtime.control("dlgSetup", "chkDirectX").value, 1);

    // Still clickable: the user may run that installer again on purpose.
    runtime.click("dlgSetup", "chkKasTerminal");
    click("dlgSetup", "OKButton");
    EXPECT_EQ(runtime.started, (Log{pathOf(kProductInstaller), pathOf(kProductInstaller),
                                    pathOf(kDirectXInstaller)}));
    EXPECT_FALSE(installButtonThere());
}

TEST_F(InstallDialog, TheInstallButtonOnceGoneDoesNotReact) {
    click("dlgSetup", "OKButton");
    EXPECT_TRUE(click("frmSetup", "imgInstalleren").empty());
    EXPECT_FALSE(runtime.loaded("dlgSetup"));
}

TEST_F(InstallDialog, CancelAsksAndCancelAgainLeavesEverythingAsItWas) {
    runtime.click("dlgSetup", "chkKasTerminal");
    runtime.answers = {forms::kAnswerCancel};
    EXPECT_EQ(click("dlgSetup", "CancelButton"), Log{"question Installatie KasTerminal"});
    ASSERT_EQ(runtime.messageBoxes.size(), 1u);
    EXPECT_EQ(runtime.messageBoxes[0].text, "Weet je zeker dat je de installatie wil afbreken?");
    EXPECT_EQ(runtime.messageBoxes[0].style, forms::kQuestionOkCancel);
    EXPECT_TRUE(dialogOpen());
    EXPECT_EQ(runtime.control("dlgSetup", "chkKasTerminal").value, 0);
    EXPECT_EQ(runtime.control("dlgSetup", "chkDirectX").value, 1);
}

TEST_F(InstallDialog, CancelConfirmedClosesTheDialogAndKeepsTheStatusText) {
    const std::string status = infoText();
    runtime.answers = {forms::kAnswerOk};
    EXPECT_EQ(click("dlgSetup", "CancelButton"),
              (Log{"question Installatie KasTerminal", "hide dlgSetup", "unload dlgSetup"}));
    EXPECT_EQ(infoText(), status);
    EXPECT_TRUE(runtime.started.empty());
    openDialog();  // a fresh dialog, both boxes checked again
    EXPECT_EQ(runtime.logFrom(0, "load dlgSetup").size(), 2u);
    EXPECT_EQ(runtime.control("dlgSetup", "chkKasTerminal").value, 1);
}

TEST_F(InstallDialog, TheCloseBoxUnloadsWithoutAQuestionAndStartsNothing) {
    runtime.closeWindow("dlgSetup");
    EXPECT_FALSE(runtime.loaded("dlgSetup"));
    EXPECT_TRUE(runtime.messageBoxes.empty());
    EXPECT_TRUE(runtime.started.empty());
}

TEST_F(InstallDialog, OkAfterTheLauncherClosedStartsTheInstallersAndEndsTheProgram) {
    runtime.closeWindow("frmSetup");
    EXPECT_TRUE(runtime.loopRunning());
    click("dlgSetup", "OKButton");
    EXPECT_EQ(runtime.started.size(), 2u);
    EXPECT_FALSE(runtime.loaded("frmSetup"));  // GeInStalleerd did not bring it back
    EXPECT_EQ(runtime.windowCount(), 0);
    EXPECT_FALSE(runtime.loopRunning());
}

class InstalledFlags : public StartedLauncher {};

TEST_F(InstalledFlags, GeInStalleerdNeedsBothFlagsAndActsOnce) {
    FrmSetup& frmSetup = application.frmSetup();
    frmSetup.insKasTerminal = kTrue;
    frmSetup.GeInStalleerd();
    EXPECT_TRUE(runtime.control("frmSetup", "imgInstalleren").visible);

    frmSetup.insKasTerminal = kFalse;
    frmSetup.insDirectX = kTrue;
    frmSetup.GeInStalleerd();
    EXPECT_TRUE(runtime.control("frmSetup", "imgInstalleren").visible);

    frmSetup.insKasTerminal = 1;  // not True: True is all bits set
    frmSetup.GeInStalleerd();
    EXPECT_TRUE(runtime.control("frmSetup", "imgInstalleren").visible);

    frmSetup.insKasTerminal = kTrue;
    frmSetup.GeInStalleerd();
    frmSetup.GeInStalleerd();
    EXPECT_FALSE(runtime.control("frmSetup", "imgInstalleren").visible);
    EXPECT_FALSE(runtime.control("frmSetup", "imgInstalleren").enabled);
    EXPECT_EQ(infoText(), "Welkom");
    EXPECT_TRUE(runtime.control("frmSetup", "imgEind").visible);
}

TEST_F(InstalledFlags, GeInStalleerdOnAnUnloadedLauncherChangesNothing) {
    FrmSetup& frmSetup = application.frmSetup();
    frmSetup.insKasTerminal = kTrue;
    frmSetup.insDirectX = kTrue;
    runtime.closeWindow("frmSetup");
    frmSetup.GeInStalleerd();
    EXPECT_FALSE(runtime.loaded("frmSetup"));
    EXPECT_EQ(runtime.windowCount(), 0);
}

TEST_F(InstalledFlags, ANewLoadResetsBothFlagsEvenWithoutSetupTxt) {
    FrmSetup& frmSetup = application.frmSetup();
    frmSetup.insKasTerminal = kTrue;
    frmSetup.insDirectX = kTrue;
    frmSetup.unload();
    std::filesystem::remove(medium.path() / "Setup.txt");
    frmSetup.load();
    EXPECT_EQ(frmSetup.insKasTerminal, kFalse);
    EXPECT_EQ(frmSetup.insDirectX, kFalse);
}

}  // namespace
