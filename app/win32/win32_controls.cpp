// Building the controls of a window and reading and writing their properties.
#include <algorithm>
#include <cwctype>

#include "app/win32/utf.h"
#include "app/win32/win32_runtime.h"

namespace {

constexpr wchar_t kPictureClass[] = L"KasSetupPicture";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL, which Enter and Escape send

struct PictureTag {
    Win32Runtime::FormWindow* form;
    int control;
};

LRESULT CALLBACK pictureProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* tag = reinterpret_cast<PictureTag*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (tag == nullptr) {
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete tag;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return tag->form->runtime->pictureMessage(*tag->form, tag->control, hwnd, message, wParam,
                                              lParam);
}

void registerPictureClass() {
    static const bool registered = [] {
        WNDCLASSEXW picture{};
        picture.cbSize = sizeof picture;
        // Double-clicks arrive as such, so their second click can be left without a Click.
        picture.style = CS_DBLCLKS;
        picture.lpfnWndProc = pictureProcedure;
        picture.hInstance = GetModuleHandleW(nullptr);
        picture.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        picture.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        picture.lpszClassName = kPictureClass;
        return RegisterClassExW(&picture) != 0;
    }();
    (void)registered;
}

}  // namespace

std::wstring resourceName(std::string_view name) {
    std::wstring resource = widen(name);
    std::transform(resource.begin(), resource.end(), resource.begin(), ::towupper);
    return resource;
}

void drawBitmap(HDC target, HBITMAP bitmap) {
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    BitBlt(target, 0, 0, size.bmWidth, size.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

void Win32Runtime::createControls(FormWindow& form) {
    registerPictureClass();
    const forms::WindowLayout& layout = *form.layout;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    auto* defaultFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    for (std::size_t i = 0; i < layout.controls.size(); ++i) {
        const forms::ControlLayout& spec = layout.controls[i];
        ControlWindow& control = form.controls[i];
        control.kind = spec.kind;
        const forms::Position position = forms::positionInWindow(layout, spec);
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (spec.visible ? WS_VISIBLE : 0) |
                      (spec.tabIndex >= 0 ? WS_TABSTOP : 0);
        DWORD exStyle = 0;
        const wchar_t* className = L"BUTTON";
        void* createParam = nullptr;
        switch (spec.kind) {
            case forms::ControlKind::TextBox:
                className = L"EDIT";
                style |= WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case forms::ControlKind::Image:
                className = kPictureClass;
                createParam = new PictureTag{&form, static_cast<int>(i)};
                control.picture = spec.picture;
                control.bitmap = bitmap(spec.picture);
                if (!spec.mousePointer.picture.name.empty()) {
                    control.cursor = static_cast<HCURSOR>(
                        LoadImageW(instance, resourceName(spec.mousePointer.picture.name).c_str(),
                                   IMAGE_CURSOR, 0, 0, 0));
                }
                break;
            case forms::ControlKind::Frame:
                style |= BS_GROUPBOX;
                break;
            case forms::ControlKind::CheckBox:
                style |= BS_3STATE;
                break;
            case forms::ControlKind::CommandButton:
                style |= BS_PUSHBUTTON;
                break;
        }
        // A picture's window text is its accessible name, which screen readers announce.
        const std::wstring caption =
            widen(spec.kind == forms::ControlKind::Image ? spec.accessibleName : spec.caption);
        control.hwnd = CreateWindowExW(
            exStyle, className, caption.c_str(), style, pixels(position.left), pixels(position.top),
            pixels(spec.width), pixels(spec.height), form.hwnd,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance,
            createParam);

        HFONT font = defaultFont;
        if (spec.font != nullptr) {
            font = CreateFontW(-MulDiv(static_cast<int>(spec.font->points * 100), dpi_, 7200), 0, 0,
                               0, spec.font->weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                               DEFAULT_PITCH | FF_DONTCARE, widen(spec.font->face).c_str());
            form.fonts.push_back(font);
        }
        SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (spec.foreColor != nullptr) {
            control.customColour = true;
            control.textColour =
                RGB(spec.foreColor->red, spec.foreColor->green, spec.foreColor->blue);
        }
        if (spec.kind == forms::ControlKind::TextBox) {
            SendMessageW(control.hwnd, EM_SETLIMITTEXT, 0, 0);  // no limit of its own
        }
        if (spec.kind == forms::ControlKind::CheckBox) {
            SendMessageW(control.hwnd, BM_SETCHECK,
                         spec.value == 1   ? BST_CHECKED
                         : spec.value == 2 ? BST_INDETERMINATE
                                           : BST_UNCHECKED,
                         0);
        }
        EnableWindow(control.hwnd, spec.enabled);
    }

    // Tab follows the stacking order: the tab indices first, in their order, then the rest.
    std::vector<int> order = forms::tabOrder(layout);
    for (int i = 0; i < static_cast<int>(layout.controls.size()); ++i) {
        if (layout.controls[i].tabIndex < 0) {
            order.push_back(i);
        }
    }
    for (int index : order) {
        SetWindowPos(form.controls[index].hwnd, HWND_BOTTOM, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

LRESULT Win32Runtime::pictureMessage(FormWindow& form, int index, HWND hwnd, UINT message,
                                     WPARAM wParam, LPARAM lParam) {
    ControlWindow& control = form.controls[index];
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC target = BeginPaint(hwnd, &paint);
            if (control.bitmap != nullptr) {
                drawBitmap(target, control.bitmap);
            }
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_SETCURSOR:
            if (control.cursor != nullptr) {
                SetCursor(control.cursor);
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            control.pressed = true;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONDBLCLK:
            // The second click of a double-click raises no Click.
            control.pressed = false;
            SetCapture(hwnd);
            return 0;
        case WM_LBUTTONUP: {
            ReleaseCapture();
            RECT client;
            GetClientRect(hwnd, &client);
            const POINT point{static_cast<short>(LOWORD(lParam)),
                              static_cast<short>(HIWORD(lParam))};
            const bool click = control.pressed && PtInRect(&client, point);
            control.pressed = false;
            if (click) {
                form.events->clicked(index);
            }
            return 0;
        }
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

std::string Win32Runtime::textImpl(forms::WindowId window, int control) {
    HWND hwnd = controlOf(window, control).hwnd;
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

void Win32Runtime::setTextImpl(forms::WindowId window, int control, std::string_view text) {
    SetWindowTextW(controlOf(window, control).hwnd, widen(text).c_str());
}

forms::Picture Win32Runtime::pictureImpl(forms::WindowId window, int control) {
    return controlOf(window, control).picture;
}

void Win32Runtime::setPictureImpl(forms::WindowId window, int control, forms::Picture picture) {
    ControlWindow& target = controlOf(window, control);
    target.bitmap = bitmap(picture);
    target.picture = picture;
    InvalidateRect(target.hwnd, nullptr, FALSE);  // painted when the program next waits
}

bool Win32Runtime::visibleImpl(forms::WindowId window, int control) {
    return (GetWindowLongW(controlOf(window, control).hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32Runtime::setVisibleImpl(forms::WindowId window, int control, bool visible) {
    ShowWindow(controlOf(window, control).hwnd, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32Runtime::enabledImpl(forms::WindowId window, int control) {
    return IsWindowEnabled(controlOf(window, control).hwnd) != FALSE;
}

void Win32Runtime::setEnabledImpl(forms::WindowId window, int control, bool enabled) {
    EnableWindow(controlOf(window, control).hwnd, enabled);
}

int Win32Runtime::valueImpl(forms::WindowId window, int control) {
    const LRESULT state = SendMessageW(controlOf(window, control).hwnd, BM_GETCHECK, 0, 0);
    return state == BST_CHECKED ? 1 : state == BST_INDETERMINATE ? 2 : 0;
}

void Win32Runtime::setValueImpl(forms::WindowId window, int control, int value) {
    // BM_SETCHECK sends no BN_CLICKED: a value set from code raises no Click.
    SendMessageW(controlOf(window, control).hwnd, BM_SETCHECK,
                 value == 1   ? BST_CHECKED
                 : value == 2 ? BST_INDETERMINATE
                              : BST_UNCHECKED,
                 0);
}
