// The install dialog: chooses and starts the installers.
#pragma once

#include "app/form.h"

class Application;

class DlgSetup : public Form {
public:
    explicit DlgSetup(Application& application);
};
