// The run-time of the platform this executable was built for (chosen in CMake).
#pragma once

#include <memory>

#include "app/forms_runtime.h"

std::unique_ptr<forms::Runtime> makePlatformRuntime();
