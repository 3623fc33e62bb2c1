#include "install_dialog/dlg_setup_layout.h"

#include <array>

namespace dlgsetup {

namespace {

using forms::ControlKind;
using forms::ControlLayout;

constexpr forms::Font kFrameFont{"Arial", 8.25, 700};

constexpr ControlLayout checkBox(std::string_view name, std::string_view caption, int top,
                                 int tabIndex) {
    return {.name = name,
            .kind = ControlKind::CheckBox,
            .left = 120,
            .top = top,
            .width = 2775,
            .height = 255,
            .caption = caption,
            .tabIndex = tabIndex,
            .value = 1,
            .container = "framInstallatie"};
}

constexpr ControlLayout commandButton(std::string_view name, std::string_view caption, int left,
                                      int tabIndex) {
    return {.name = name,
            .kind = ControlKind::CommandButton,
            .left = left,
            .top = 1200,
            .width = 1455,
            .height = 375,
            .caption = caption,
            .tabIndex = tabIndex};
}

constexpr std::array kControls{
    ControlLayout{.name = "framInstallatie",
                  .kind = ControlKind::Frame,
                  .left = 120,
                  .top = 0,
                  .width = 3135,
                  .height = 1095,
                  .caption = "Installatie Selectie:",
                  .font = &kFrameFont},
    checkBox("chkDirectX", "Installeer de DirectX 9 Run-Time.", 600, 4),
    checkBox("chkKasTerminal", "Installeer de KasTerminal.", 240, 3),
    commandButton("OKButton", "OK", 120, 1),
    commandButton("CancelButton", "Cancel", 1800, 0),
};

}  // namespace

const forms::WindowLayout layout{
    .name = "dlgSetup",
    .title = "Installatie KasTerminal.",
    .clientWidth = 3360,
    .clientHeight = 1695,
    .border = forms::BorderStyle::FixedDialog,
    .showInTaskbar = false,
    .icon = {"icon"},
    .controls = kControls,
};

}  // namespace dlgsetup
