#include "launcher_window/frm_setup_layout.h"

#include <array>

namespace frmsetup {

namespace {

using forms::ControlKind;
using forms::ControlLayout;

constexpr forms::Font kInfoFont{"Verdana", 9, 400};
constexpr forms::Rgb kInfoColour{128, 128, 255};
// The fingertip of the hand.
constexpr forms::Pointer kHand{{"hand"}, 5, 0};

// A hidden, disabled holder that only stores a face for its button.
constexpr ControlLayout holder(std::string_view name, std::string_view picture) {
    return {.name = name,
            .kind = ControlKind::Image,
            .picture = {picture},
            .visible = false,
            .enabled = false};
}

constexpr ControlLayout pictureButton(std::string_view name, int top, std::string_view picture,
                                      std::string_view accessibleName) {
    return {.name = name,
            .kind = ControlKind::Image,
            .left = 240,
            .top = top,
            .width = 1545,
            .height = 405,
            .picture = {picture},
            .mousePointer = kHand,
            .accessibleName = accessibleName};
}

constexpr std::array kControls{
    ControlLayout{.name = "txtInfo",
                  .kind = ControlKind::TextBox,
                  .left = 1920,
                  .top = 1200,
                  .width = 3855,
                  .height = 2055,
                  .tabIndex = 0,
                  .font = &kInfoFont,
                  .foreColor = &kInfoColour},
    holder("imgEindNrm", "eind_nrm"),
    holder("imgInstallerenNrm", "installeren_nrm"),
    holder("imgUitvoerenNrm", "uitvoeren_nrm"),
    holder("imgEindDwn", "eind_dwn"),
    holder("imgInstallerenDwn", "installeren_dwn"),
    holder("imgUitvoerenDwn", "uitvoeren_dwn"),
    pictureButton("imgEind", 2520, "eind_nrm", "Einde"),
    pictureButton("imgInstalleren", 1920, "installeren_nrm", "Installeren"),
    pictureButton("imgUitvoeren", 1320, "uitvoeren_nrm", "Uitvoeren"),
};

}  // namespace

const forms::WindowLayout layout{
    .name = "frmSetup",
    .title = "KasTerminal - Setup",
    .clientWidth = 5850,
    .clientHeight = 3375,
    .border = forms::BorderStyle::FixedSingle,
    .showInTaskbar = true,
    .icon = {"icon"},
    .picture = {"banner"},
    .controls = kControls,
};

}  // namespace frmsetup
