// What the Windows run-time takes from the system: the launch folder, reading Setup.txt,
// starting programs.
#include "app/win32/win32_runtime.h"

#include <shellapi.h>

#include "app/text_decoding.h"
#include "app/win32/utf.h"
#include "app/win32/windows_paths.h"

namespace {

constexpr DWORD kElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED

std::string systemReason(DWORD error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring reason = length > 0 ? std::wstring(buffer, length) : L"";
    LocalFree(buffer);
    while (!reason.empty() && (reason.back() == L'\r' || reason.back() == L'\n' ||
                               reason.back() == L' ' || reason.back() == L'.')) {
        reason.pop_back();
    }
    return reason.empty() ? "fout " + std::to_string(error) : narrow(reason);
}

[[noreturn]] void cannotRead(const std::string& path, DWORD error) {
    throw forms::Error("Kan het bestand '" + path + "' niet lezen: " + systemReason(error));
}

// Without a byte-order mark the file is in the system's ANSI code page.
std::string fromAnsi(std::string_view bytes) {
    std::wstring wide = widen(bytes, CP_ACP);
    for (wchar_t& c : wide) {
        if (c == L'\0') {
            c = 0xFFFD;  // a NUL is not text; the rest stays
        }
    }
    return narrow(wide);
}

class Handle {
public:
    explicit Handle(HANDLE handle) : handle_(handle) {}
    ~Handle() {
        if (handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr) {
            CloseHandle(handle_);
        }
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::string Win32Runtime::readTextFileImpl(const std::string& path) {
    const Handle file(CreateFileW(widen(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        cannotRead(path, GetLastError());
    }
    // Only a file on disk: a pipe or device under this name must not hang the start.
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        throw forms::Error("Kan het bestand '" + path + "' niet lezen: geen gewoon bestand");
    }
    std::string content;
    char chunk[65536];
    DWORD count = 0;
    for (;;) {
        if (!ReadFile(file.get(), chunk, sizeof chunk, &count, nullptr)) {
            cannotRead(path, GetLastError());
        }
        if (count == 0) {
            break;
        }
        content.append(chunk, count);
    }
    if (content.starts_with("\xEF\xBB\xBF")) {
        return decodeTextFile(content);
    }
    return fromAnsi(content);
}

std::string Win32Runtime::applicationPathImpl() {
    std::wstring module(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, module.data(), static_cast<DWORD>(module.size()));
        if (length == 0) {
            throw forms::Error("Kan de map van KasSetup niet bepalen: " +
                               systemReason(GetLastError()));
        }
        if (length < module.size()) {
            module.resize(length);
            return folderOfModule(narrow(module));
        }
        module.resize(module.size() * 2);
    }
}

void Win32Runtime::startProgramImpl(const std::string& path) {
    const std::wstring program = widen(path);
    // The full path as the program to run, and quoted on its command line, so a space in it
    // can never start another program.
    std::wstring commandLine = widen(quoteArgument(path));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return;
    }
    DWORD error = GetLastError();
    if (error == kElevationRequired) {
        // An installer that asks for administrator rights: let Windows ask the user.
        SHELLEXECUTEINFOW shell{};
        shell.cbSize = sizeof shell;
        shell.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
        shell.lpFile = program.c_str();
        shell.nShow = SW_SHOWNORMAL;
        if (ShellExecuteExW(&shell)) {
            return;
        }
        error = GetLastError();
    }
    throw forms::cannotStartProgram(path, systemReason(error));
}

void restrictDllSearch() {
    // A launcher on a writable medium must not load a DLL planted beside it.
    SetDllDirectoryW(L"");
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const auto setDefaultDllDirectories =
        reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
            GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}
