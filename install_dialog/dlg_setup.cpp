#include "install_dialog/dlg_setup.h"

#include "app/application.h"
#include "app/launch_path.h"
#include "install_dialog/dlg_setup_layout.h"
#include "launcher_window/frm_setup.h"

using namespace dlgsetup;

namespace {

constexpr int kChosen = 1;
// An item installed in this run starts unchecked: the user may still choose it again.
constexpr int kAlreadyInstalled = 0;

}  // namespace

DlgSetup::DlgSetup(Application& application)
    : Form(application.runtime(), layout), application_(application) {
    onClick(OKButton, [this] { OKButton_Click(); });
    onClick(CancelButton, [this] { CancelButton_Click(); });
}

void DlgSetup::loadStep() {
    const FrmSetup& frmSetup = application_.frmSetup();
    if (frmSetup.insDirectX == kTrue) {
        control(chkDirectX).setValue(kAlreadyInstalled);
    }
    if (frmSetup.insKasTerminal == kTrue) {
        control(chkKasTerminal).setValue(kAlreadyInstalled);
    }
}

void DlgSetup::OKButton_Click() {
    FrmSetup& frmSetup = application_.frmSetup();
    try {
        if (control(chkKasTerminal).value() == kChosen) {
            runtime().startProgram(launchPath(runtime(), kProductInstaller));
            frmSetup.insKasTerminal = kTrue;
        }
        if (control(chkDirectX).value() == kChosen) {
            runtime().startProgram(launchPath(runtime(), kDirectXInstaller));
            frmSetup.insDirectX = kTrue;
        }
        frmSetup.GeInStalleerd();
        setVisible(false);
        unload();
    } catch (const forms::Error&) {
        // An installer that cannot be started ends the action silently; the dialog stays.
    }
}

void DlgSetup::CancelButton_Click() {
    if (runtime().questionBox("Weet je zeker dat je de installatie wil afbreken?",
                              forms::kQuestionOkCancel,
                              "Installatie KasTerminal") == forms::kAnswerOk) {
        setVisible(false);
        unload();
    }
}
