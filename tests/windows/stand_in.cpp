// A stand-in for the programs of a medium in the Windows end-to-end tests: it appends its own
// name and process id to the file named by KASSETUP_E2E_LOG, then waits a while so it can be
// seen still running after the launcher has gone.
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main() {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const wchar_t* name = self;
    for (const wchar_t* c = self; *c != L'\0'; ++c) {
        if (*c == L'\\' || *c == L'/') {
            name = c + 1;
        }
    }
    const char* log = std::getenv("KASSETUP_E2E_LOG");
    if (log != nullptr) {
        if (std::FILE* file = std::fopen(log, "a")) {
            std::fprintf(file, "%ls %lu\n", name, GetCurrentProcessId());
            std::fclose(file);
        }
    }
    Sleep(20000);
    return 0;
}
