// The forms run-time on the plain Win32 API.
//
// Supports: top-level windows with a fixed client size in twips scaled to the display's dots
// per inch (no resize, no minimise or maximise box), centred at first show, in the task bar or
// (owned by a hidden window) out of it; a background bitmap at its own pixel size; multi-line
// edit boxes with a vertical scroll bar; pictures clickable with the mouse, with a custom
// cursor; group boxes; check boxes; push buttons; Tab through the tab indices; message boxes
// modal to the whole program; pictures, cursor and icon from the executable's resources.
#pragma once

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "app/forms_runtime.h"

// Restricts where DLLs are loaded from to the system folder.
void restrictDllSearch();

// The resource name of an embedded picture: its name in capitals ("eind_nrm" is EIND_NRM).
std::wstring resourceName(std::string_view name);

// Draws a bitmap at its own size at the top-left of a device context.
void drawBitmap(HDC target, HBITMAP bitmap);

class Win32Runtime final : public forms::Runtime {
public:
    Win32Runtime();
    ~Win32Runtime() override;

    struct ControlWindow {
        HWND hwnd = nullptr;
        forms::ControlKind kind = forms::ControlKind::TextBox;
        forms::Picture picture;
        HBITMAP bitmap = nullptr;
        HCURSOR cursor = nullptr;
        COLORREF textColour = 0;
        bool customColour = false;
        bool pressed = false;
    };
    struct FormWindow {
        Win32Runtime* runtime = nullptr;
        HWND hwnd = nullptr;
        const forms::WindowLayout* layout = nullptr;
        forms::WindowEvents* events = nullptr;
        std::vector<ControlWindow> controls;
        std::vector<HFONT> fonts;
        HBITMAP background = nullptr;
        bool shownBefore = false;
    };

    // Called by the window procedures.
    LRESULT formMessage(FormWindow& form, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT pictureMessage(FormWindow& form, int control, HWND hwnd, UINT message, WPARAM wParam,
                           LPARAM lParam);

private:
    void createWindowImpl(forms::WindowId id, const forms::WindowLayout& layout,
                          forms::WindowEvents& events) override;
    void destroyWindowImpl(forms::WindowId window) override;
    void showWindowImpl(forms::WindowId window) override;
    void hideWindowImpl(forms::WindowId window) override;
    bool windowVisibleImpl(forms::WindowId window) override;

    std::string textImpl(forms::WindowId window, int control) override;
    void setTextImpl(forms::WindowId window, int control, std::string_view text) override;
    forms::Picture pictureImpl(forms::WindowId window, int control) override;
    void setPictureImpl(forms::WindowId window, int control, forms::Picture picture) override;
    bool visibleImpl(forms::WindowId window, int control) override;
    void setVisibleImpl(forms::WindowId window, int control, bool visible) override;
    bool enabledImpl(forms::WindowId window, int control) override;
    void setEnabledImpl(forms::WindowId window, int control, bool enabled) override;
    int valueImpl(forms::WindowId window, int control) override;
    void setValueImpl(forms::WindowId window, int control, int value) override;

    int questionBoxImpl(std::string_view text, std::string_view title) override;
    void errorBoxImpl(std::string_view text, std::string_view title) override;

    std::string readTextFileImpl(const std::string& path) override;
    std::string applicationPathImpl() override;
    void startProgramImpl(const std::string& path) override;

    void runImpl() override;
    void quitImpl() override;
    [[noreturn]] void endImpl() override;

    void createControls(FormWindow& form);
    ControlWindow& controlOf(forms::WindowId window, int control);
    int pixels(int twips) const { return MulDiv(twips, dpi_, 1440); }
    HBITMAP bitmap(forms::Picture picture);
    int messageBox(std::string_view text, std::string_view title, UINT style);

    std::map<forms::WindowId, FormWindow*> forms_;
    std::map<std::string, HBITMAP, std::less<>> bitmaps_;
    HWND hiddenOwner_ = nullptr;  // owns the windows kept out of the task bar
    HICON icon_ = nullptr;
    HICON smallIcon_ = nullptr;
    int dpi_ = 96;
};
