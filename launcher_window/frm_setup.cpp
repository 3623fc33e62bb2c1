#include "launcher_window/frm_setup.h"

#include "app/application.h"
#include "app/launch_path.h"
#include "install_dialog/dlg_setup.h"
#include "launcher_window/frm_setup_layout.h"

using namespace frmsetup;

FrmSetup::FrmSetup(Application& application)
    : Form(application.runtime(), layout), application_(application) {
    onClick(imgUitvoeren, [this] { imgUitvoeren_Click(); });
    onClick(imgInstalleren, [this] { imgInstalleren_Click(); });
    onClick(imgEind, [this] { imgEind_Click(); });
}

void FrmSetup::loadStep() {
    insKasTerminal = kFalse;
    insDirectX = kFalse;
    try {
        forms::InputFile file = runtime().openForInput(launchPath(runtime(), kInfoFile));
        // The lines joined with CR LF, built in one pass and set once.
        std::string text = file.readLine();
        while (!file.atEnd()) {
            text += "\r\n";
            text += file.readLine();
        }
        control(txtInfo).setText(text);
    } catch (const forms::Error&) {
        control(txtInfo).setText("Kon '" + launchPath(runtime(), kInfoFile) + "' niet vinden!");
    }
}

void FrmSetup::showFace(int button, int holder) {
    control(button).setPicture(control(holder).picture());
}

void FrmSetup::imgUitvoeren_Click() {
    showFace(imgUitvoeren, imgUitvoerenDwn);
    control(txtInfo).setText("Voer de KasTerminal uit.");
    runtime().startProgram(launchPath(runtime(), kProductProgram));
    showFace(imgUitvoeren, imgUitvoerenNrm);
    runtime().end();
}

void FrmSetup::imgInstalleren_Click() {
    showFace(imgInstalleren, imgInstallerenDwn);
    control(txtInfo).setText("Installeer de KasTerminal en/of de bijbehorende DirectX 9 Run-Time.");
    DlgSetup& dlgSetup = application_.dlgSetup();
    dlgSetup.load();
    dlgSetup.setVisible(true);
    dlgSetup.show();
    showFace(imgInstalleren, imgInstallerenNrm);
}

void FrmSetup::imgEind_Click() {
    showFace(imgEind, imgEindDwn);
    control(txtInfo).setText("Sluit de Setup af..");
    if (runtime().questionBox("Weet u zeker dat u af wilt sluiten?", forms::kQuestionOkCancel,
                              "Setup") == forms::kAnswerOk) {
        runtime().end();
    }
    showFace(imgEind, imgEindNrm);
    control(txtInfo).setText("");
}

void FrmSetup::GeInStalleerd() {
    if (insKasTerminal != kTrue || insDirectX != kTrue || !loaded()) {
        return;
    }
    control(imgInstalleren).setVisible(false);
    control(imgInstalleren).setEnabled(false);
}
