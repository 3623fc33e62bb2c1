// The install dialog: chooses and starts the installers.
#pragma once

#include "app/form.h"

class Application;

class DlgSetup : public Form {
public:
    explicit DlgSetup(Application& application);

private:
    void loadStep() override;
    void OKButton_Click();
    void CancelButton_Click();

    Application& application_;
};
