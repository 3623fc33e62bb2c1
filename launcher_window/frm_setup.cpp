#include "launcher_window/frm_setup.h"

#include "app/application.h"
#include "app/launch_path.h"
#include "launcher_window/frm_setup_layout.h"

FrmSetup::FrmSetup(Application& application) : Form(application.runtime(), frmsetup::layout) {}

void FrmSetup::loadStep() {
    insKasTerminal = kFalse;
    insDirectX = kFalse;
    const Control txtInfo = control(frmsetup::txtInfo);
    try {
        forms::InputFile file = runtime().openForInput(launchPath(runtime(), kInfoFile));
        // The lines joined with CR LF, built in one pass and set once.
        std::string text = file.readLine();
        while (!file.atEnd()) {
            text += "\r\n";
            text += file.readLine();
        }
        txtInfo.setText(text);
    } catch (const forms::Error&) {
        txtInfo.setText("Kon '" + launchPath(runtime(), kInfoFile) + "' niet vinden!");
    }
}
