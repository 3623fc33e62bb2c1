// The launcher window: banner, information text and the three picture buttons.
#pragma once

#include <cstdint>

#include "app/form.h"

class Application;

// The flags' form: True is -1 (all bits set), False is 0.
using Boolean16 = std::int16_t;
inline constexpr Boolean16 kTrue = -1;
inline constexpr Boolean16 kFalse = 0;

class FrmSetup : public Form {
public:
    explicit FrmSetup(Application& application);

    // What has been installed during this run; they outlive the window.
    Boolean16 insKasTerminal = kFalse;
    Boolean16 insDirectX = kFalse;

    // Takes the Install button away once both items are installed. With the window unloaded
    // it changes nothing: it must not bring the window back behind the user's back.
    void GeInStalleerd();

private:
    void loadStep() override;
    void imgUitvoeren_Click();
    void imgInstalleren_Click();
    void imgEind_Click();

    // The button shows the face its holder keeps.
    void showFace(int button, int holder);

    Application& application_;
};
