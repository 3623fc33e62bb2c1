// The launcher window as designed: ten controls in creation order.
#pragma once

#include "app/forms_runtime.h"

namespace frmsetup {

// Control indices, in creation order.
enum Control : int {
    txtInfo,
    imgEindNrm,
    imgInstallerenNrm,
    imgUitvoerenNrm,
    imgEindDwn,
    imgInstallerenDwn,
    imgUitvoerenDwn,
    imgEind,
    imgInstalleren,
    imgUitvoeren,
};

extern const forms::WindowLayout layout;

}  // namespace frmsetup
