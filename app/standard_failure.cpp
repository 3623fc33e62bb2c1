#include "app/standard_failure.h"

#include <string>

void reportFailureAndEnd(forms::Runtime& runtime, const std::exception& failure) {
    const std::string text =
        std::string("Er is een fout opgetreden; KasSetup wordt afgesloten.\n\n") + failure.what();
    runtime.errorBox(text, "KasSetup");
    runtime.end();
}
