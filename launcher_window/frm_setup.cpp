#include "launcher_window/frm_setup.h"

#include "app/application.h"
#include "launcher_window/frm_setup_layout.h"

FrmSetup::FrmSetup(Application& application) : Form(application.runtime(), frmsetup::layout) {}

void FrmSetup::loadStep() {
    insKasTerminal = kFalse;
    insDirectX = kFalse;
}
