#include "install_dialog/dlg_setup.h"

#include "app/application.h"
#include "install_dialog/dlg_setup_layout.h"

DlgSetup::DlgSetup(Application& application) : Form(application.runtime(), dlgsetup::layout) {}
