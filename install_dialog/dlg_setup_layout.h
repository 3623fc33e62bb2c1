// The install dialog as designed: a frame holding two check boxes, and OK and Cancel.
#pragma once

#include "app/forms_runtime.h"

namespace dlgsetup {

// Control indices, in creation order.
enum Control : int {
    framInstallatie,
    chkDirectX,
    chkKasTerminal,
    OKButton,
    CancelButton,
};

extern const forms::WindowLayout layout;

}  // namespace dlgsetup
