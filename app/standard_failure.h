// The standard failure handler: what happens to a failure that no handler catches itself.
#pragma once

#include <exception>

#include "app/forms_runtime.h"

// Shows the standard error box naming the failure, then ends the program.
[[noreturn]] void reportFailureAndEnd(forms::Runtime& runtime, const std::exception& failure);
