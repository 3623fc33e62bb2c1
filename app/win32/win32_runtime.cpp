#include "app/win32/win32_runtime.h"

#include <commctrl.h>

#include "app/platform_runtime.h"
#include "app/win32/utf.h"

std::unique_ptr<forms::Runtime> makePlatformRuntime() { return std::make_unique<Win32Runtime>(); }

namespace {

constexpr wchar_t kFormClass[] = L"KasSetupForm";
constexpr wchar_t kOwnerClass[] = L"KasSetupOwner";
constexpr int kApplicationIcon = 1;  // the icon group

Win32Runtime::FormWindow* formOf(HWND hwnd) {
    return reinterpret_cast<Win32Runtime::FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK formProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    Win32Runtime::FormWindow* form = formOf(hwnd);
    if (form == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return form->runtime->formMessage(*form, hwnd, message, wParam, lParam);
}

void registerClasses(HICON icon, HICON smallIcon) {
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = formProcedure;
    form.hInstance = GetModuleHandleW(nullptr);
    form.hIcon = icon;
    form.hIconSm = smallIcon;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW owner{};
    owner.cbSize = sizeof owner;
    owner.lpfnWndProc = DefWindowProcW;
    owner.hInstance = GetModuleHandleW(nullptr);
    owner.lpszClassName = kOwnerClass;
    RegisterClassExW(&owner);
}

int displayDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

// The program's own top-level windows, to be disabled while a message box asks.
struct OwnWindows {
    DWORD process = GetCurrentProcessId();
    std::vector<HWND> windows;
};

BOOL CALLBACK collectOwnWindow(HWND hwnd, LPARAM data) {
    auto* own = reinterpret_cast<OwnWindows*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process == own->process && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) {
        own->windows.push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

Win32Runtime::Win32Runtime() : dpi_(displayDpi()) {
    restrictDllSearch();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE instance = GetModuleHandleW(nullptr);
    icon_ =
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kApplicationIcon), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0));
    smallIcon_ = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kApplicationIcon),
                                               IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    registerClasses(icon_, smallIcon_);
    hiddenOwner_ = CreateWindowExW(0, kOwnerClass, L"KasSetup", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, instance, nullptr);
}

Win32Runtime::~Win32Runtime() {
    for (auto& [name, handle] : bitmaps_) {
        DeleteObject(handle);
    }
    DestroyWindow(hiddenOwner_);
}

HBITMAP Win32Runtime::bitmap(forms::Picture picture) {
    if (picture.name.empty()) {
        return nullptr;
    }
    auto found = bitmaps_.find(picture.name);
    if (found == bitmaps_.end()) {
        auto* loaded = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                       resourceName(picture.name).c_str(),
                                                       IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        if (loaded == nullptr) {
            throw forms::Error("Kan de afbeelding '" + std::string(picture.name) + "' niet laden.");
        }
        found = bitmaps_.emplace(std::string(picture.name), loaded).first;
    }
    return found->second;
}

void Win32Runtime::createWindowImpl(forms::WindowId id, const forms::WindowLayout& layout,
                                    forms::WindowEvents& events) {
    auto* form = new FormWindow{};
    form->runtime = this;
    form->layout = &layout;
    form->events = &events;
    form->controls.resize(layout.controls.size());
    form->background = bitmap(layout.picture);

    // Fixed frame, title bar with window menu and close box; nothing to resize or minimise.
    // No WS_CLIPCHILDREN: a group box leaves its inside for the window to paint.
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle =
        layout.border == forms::BorderStyle::FixedDialog ? WS_EX_DLGMODALFRAME : 0;
    RECT frame{0, 0, pixels(layout.clientWidth), pixels(layout.clientHeight)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    // A window owned by the hidden window has no task-bar button of its own.
    HWND owner = layout.showInTaskbar ? nullptr : hiddenOwner_;
    form->hwnd =
        CreateWindowExW(exStyle, kFormClass, widen(layout.title).c_str(), style, CW_USEDEFAULT,
                        CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, owner,
                        nullptr, GetModuleHandleW(nullptr), form);
    if (form->hwnd == nullptr) {
        const DWORD error = GetLastError();
        delete form;
        throw forms::Error("Kan het venster '" + std::string(layout.title) + "' niet maken (fout " +
                           std::to_string(error) + ").");
    }
    SendMessageW(form->hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    SendMessageW(form->hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    forms_[id] = form;
    createControls(*form);
}

void Win32Runtime::destroyWindowImpl(forms::WindowId window) {
    FormWindow* form = forms_.at(window);
    forms_.erase(window);
    DestroyWindow(form->hwnd);
    for (HFONT font : form->fonts) {
        DeleteObject(font);
    }
    delete form;
}

void Win32Runtime::showWindowImpl(forms::WindowId window) {
    FormWindow& form = *forms_.at(window);
    if (!form.shownBefore) {
        form.shownBefore = true;
        RECT area{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
        RECT frame{};
        GetWindowRect(form.hwnd, &frame);
        const int width = frame.right - frame.left;
        const int height = frame.bottom - frame.top;
        SetWindowPos(form.hwnd, nullptr, area.left + (area.right - area.left - width) / 2,
                     area.top + (area.bottom - area.top - height) / 2, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ShowWindow(form.hwnd, SW_SHOWNORMAL);
        // The focus starts on the lowest tab index: the first tab stop in stacking order.
        if (HWND first = GetNextDlgTabItem(form.hwnd, nullptr, FALSE)) {
            SetFocus(first);
        }
    }
    ShowWindow(form.hwnd, SW_SHOWNORMAL);
    SetForegroundWindow(form.hwnd);
}

void Win32Runtime::hideWindowImpl(forms::WindowId window) {
    ShowWindow(forms_.at(window)->hwnd, SW_HIDE);
}

bool Win32Runtime::windowVisibleImpl(forms::WindowId window) {
    return IsWindowVisible(forms_.at(window)->hwnd) != FALSE;
}

Win32Runtime::ControlWindow& Win32Runtime::controlOf(forms::WindowId window, int control) {
    return forms_.at(window)->controls.at(control);
}

LRESULT Win32Runtime::formMessage(FormWindow& form, HWND hwnd, UINT message, WPARAM wParam,
                                  LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            form.events->closeRequested();
            return 0;
        case WM_ERASEBKGND:
            if (form.background != nullptr) {
                HDC target = reinterpret_cast<HDC>(wParam);
                RECT client;
                GetClientRect(hwnd, &client);
                FillRect(target, &client, GetSysColorBrush(COLOR_BTNFACE));
                drawBitmap(target, form.background);
                return 1;
            }
            break;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            for (const ControlWindow& control : form.controls) {
                if (control.hwnd == reinterpret_cast<HWND>(lParam) && control.customColour) {
                    SetTextColor(reinterpret_cast<HDC>(wParam), control.textColour);
                    SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
                    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
                }
            }
            break;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
                for (std::size_t i = 0; i < form.controls.size(); ++i) {
                    ControlWindow& control = form.controls[i];
                    if (control.hwnd != reinterpret_cast<HWND>(lParam)) {
                        continue;
                    }
                    if (control.kind == forms::ControlKind::CheckBox) {
                        // Checked becomes unchecked; unchecked and grayed become checked.
                        const LRESULT state = SendMessageW(control.hwnd, BM_GETCHECK, 0, 0);
                        SendMessageW(control.hwnd, BM_SETCHECK,
                                     state == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED, 0);
                    }
                    form.events->clicked(static_cast<int>(i));
                    return 0;
                }
            }
            return 0;  // Enter and Escape without a default or cancel button: nothing
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Runtime::runImpl() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // Tab, Shift+Tab and Enter on a button work as in a dialog.
        HWND root = GetAncestor(message.hwnd, GA_ROOT);
        if (root != nullptr && formOf(root) != nullptr && IsDialogMessageW(root, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void Win32Runtime::quitImpl() { PostQuitMessage(0); }

void Win32Runtime::endImpl() { ExitProcess(0); }

int Win32Runtime::messageBox(std::string_view text, std::string_view title, UINT style) {
    // Modal to the whole program: every window of it waits for the answer.
    OwnWindows own;
    EnumWindows(collectOwnWindow, reinterpret_cast<LPARAM>(&own));
    HWND owner = GetActiveWindow();
    for (HWND window : own.windows) {
        EnableWindow(window, FALSE);
    }
    const int answer = MessageBoxW(owner, widen(text).c_str(), widen(title).c_str(),
                                   style | MB_APPLMODAL | MB_SETFOREGROUND);
    for (HWND window : own.windows) {
        EnableWindow(window, TRUE);
    }
    if (owner != nullptr && IsWindow(owner)) {
        SetActiveWindow(owner);
    }
    return answer;
}

int Win32Runtime::questionBoxImpl(std::string_view text, std::string_view title) {
    return messageBox(text, title, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON1) == IDOK
               ? forms::kAnswerOk
               : forms::kAnswerCancel;
}

void Win32Runtime::errorBoxImpl(std::string_view text, std::string_view title) {
    messageBox(text, title, MB_OK | MB_ICONERROR);
}
