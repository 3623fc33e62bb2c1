// The program: its two window instances, each created on first reference, and its lifetime.
#pragma once

#include <memory>

#include "app/forms_runtime.h"

class FrmSetup;
class DlgSetup;

class Application {
public:
    explicit Application(forms::Runtime& runtime);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    FrmSetup& frmSetup();
    DlgSetup& dlgSetup();
    forms::Runtime& runtime() { return runtime_; }

    // Loads and shows the start window, then runs the event loop until no window is left.
    void run();

private:
    forms::Runtime& runtime_;
    std::unique_ptr<FrmSetup> frmSetup_;
    std::unique_ptr<DlgSetup> dlgSetup_;
};
