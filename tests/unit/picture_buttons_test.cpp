// The launcher's menu: Run, Install and End, each in its documented order.
#include "tests/support/launcher_fixture.h"

namespace {

using Log = std::vector<std::string>;

class PictureButtons : public StartedLauncher {};

TEST_F(PictureButtons, RunStartsTheProductThenEndsTheProgram) {
    const std::string product = pathOf(kProductProgram);
    EXPECT_EQ(click("frmSetup", "imgUitvoeren"),
              (Log{"frmSetup.imgUitvoeren.Picture=uitvoeren_dwn",
                   "frmSetup.txtInfo.Text=Voer de KasTerminal uit.", "start " + product,
                   "frmSetup.imgUitvoeren.Picture=uitvoeren_nrm", "end"}));
    EXPECT_EQ(runtime.started, Log{product});
    EXPECT_TRUE(runtime.ended);
}

TEST_F(PictureButtons, RunWithoutTheProductReportsItAndEndsWithTheButtonPressed) {
    const std::string product = pathOf(kProductProgram);
    runtime.unstartable[product] = "No such file or directory";
    EXPECT_EQ(click("frmSetup", "imgUitvoeren"),
              (Log{"frmSetup.imgUitvoeren.Picture=uitvoeren_dwn",
                   "frmSetup.txtInfo.Text=Voer de KasTerminal uit.", "start " + product,
                   "error KasSetup", "end"}));
    ASSERT_EQ(runtime.messageBoxes.size(), 1u);
    EXPECT_NE(runtime.messageBoxes[0].text.find("'" + product +
                                                "' niet starten: No such file or directory"),
              std::string::npos);
    EXPECT_EQ(runtime.control("frmSetup", "imgUitvoeren").picture, forms::Picture{"uitvoeren_dwn"});
    EXPECT_TRUE(runtime.started.empty());
}

TEST_F(PictureButtons, EndAsksAndOkEndsAtOnceWithThePressedFace) {
    runtime.answers = {forms::kAnswerOk};
    EXPECT_EQ(click("frmSetup", "imgEind"),
              (Log{"frmSetup.imgEind.Picture=eind_dwn", "frmSetup.txtInfo.Text=Sluit de Setup af..",
                   "question Setup", "end"}));
    ASSERT_EQ(runtime.messageBoxes.size(), 1u);
    EXPECT_EQ(runtime.messageBoxes[0].text, "Weet u zeker dat u af wilt sluiten?");
    EXPECT_EQ(runtime.messageBoxes[0].title, "Setup");
    EXPECT_EQ(runtime.messageBoxes[0].style, forms::kQuestionOkCancel);
    EXPECT_TRUE(runtime.ended);
}

TEST_F(PictureButtons, EndCancelledLeavesTheNormalFaceAndAnEmptyBox) {
    for (int answer : {forms::kAnswerCancel, 0, 7}) {  // any answer but OK is Cancel
        runtime.answers = {answer};
        EXPECT_EQ(
            click("frmSetup", "imgEind"),
            (Log{"frmSetup.imgEind.Picture=eind_dwn", "frmSetup.txtInfo.Text=Sluit de Setup af..",
                 "question Setup", "frmSetup.imgEind.Picture=eind_nrm", "frmSetup.txtInfo.Text="}));
        EXPECT_FALSE(runtime.ended);
        EXPECT_EQ(infoText(), "");
        EXPECT_TRUE(runtime.window("frmSetup").visible);
    }
}

TEST_F(PictureButtons, InstallShowsTheDialogModelessBesideTheLauncher) {
    EXPECT_EQ(click("frmSetup", "imgInstalleren"),
              (Log{"frmSetup.imgInstalleren.Picture=installeren_dwn",
                   "frmSetup.txtInfo.Text=Installeer de KasTerminal en/of de bijbehorende "
                   "DirectX 9 Run-Time.",
                   "load dlgSetup", "show dlgSetup", "show dlgSetup",
                   "frmSetup.imgInstalleren.Picture=installeren_nrm"}));
    EXPECT_TRUE(runtime.window("dlgSetup").visible);
    EXPECT_TRUE(runtime.window("frmSetup").visible);
    EXPECT_EQ(runtime.control("dlgSetup", "chkKasTerminal").value, 1);
    EXPECT_EQ(runtime.control("dlgSetup", "chkDirectX").value, 1);
    EXPECT_TRUE(runtime.started.empty());
}

TEST_F(PictureButtons, InstallTwiceBringsBackTheSameDialogAsTheUserLeftIt) {
    openDialog();
    runtime.click("dlgSetup", "chkDirectX");
    openDialog();
    EXPECT_EQ(runtime.logFrom(0, "load dlgSetup").size(), 1u);
    EXPECT_EQ(runtime.control("dlgSetup", "chkDirectX").value, 0);
    EXPECT_EQ(runtime.control("dlgSetup", "chkKasTerminal").value, 1);
}

TEST_F(PictureButtons, EndConfirmedWithTheDialogOpenRemovesBothWindows) {
    openDialog();
    runtime.answers = {forms::kAnswerOk};
    click("frmSetup", "imgEind");
    EXPECT_TRUE(runtime.ended);
    EXPECT_FALSE(runtime.window("frmSetup").visible);
    EXPECT_FALSE(runtime.window("dlgSetup").visible);
}

}  // namespace
