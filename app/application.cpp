#include "app/application.h"

#include "install_dialog/dlg_setup.h"
#include "launcher_window/frm_setup.h"

Application::Application(forms::Runtime& runtime) : runtime_(runtime) {}

Application::~Application() = default;

FrmSetup& Application::frmSetup() {
    if (!frmSetup_) {
        frmSetup_ = std::make_unique<FrmSetup>(*this);
    }
    return *frmSetup_;
}

DlgSetup& Application::dlgSetup() {
    if (!dlgSetup_) {
        dlgSetup_ = std::make_unique<DlgSetup>(*this);
    }
    return *dlgSetup_;
}

void Application::run() {
    frmSetup().show();
    runtime_.run();
}
