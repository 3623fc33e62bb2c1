// The forms run-time on GTK 3 (C API), on X11.
//
// Supports: top-level windows with a fixed client size (no resize, no minimise or maximise,
// told to the window manager through size hints and Motif hints), centred at first show, in or
// out of the task bar; a background picture; text boxes (multi-line, word wrap, vertical scroll
// bar); pictures clickable with the mouse, with a custom pointer; frames; check boxes; command
// buttons; focus order by tab index; question and error boxes; embedded pictures (GResource).
#pragma once

#include <gtk/gtk.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "app/forms_runtime.h"

class GtkRuntime final : public forms::Runtime {
public:
    GtkRuntime();
    ~GtkRuntime() override;

    // One control's widgets and what GTK does not keep for us.
    struct ControlWidgets {
        GtkWidget* outer = nullptr;  // the widget placed in the window
        GtkWidget* inner = nullptr;  // the widget that holds the value (text view, image, ...)
        forms::Picture picture;
        std::string text;  // a text box's text, while the user has not changed it
        bool textCurrent = true;
        bool pressed = false;      // mouse button went down on a picture
        bool doubleClick = false;  // the press was the second of a double-click
    };
    struct WindowWidgets {
        GtkWidget* window = nullptr;
        std::vector<ControlWidgets> controls;
        std::vector<GtkWidget*> tabOrder;  // the focusable controls by tab index
        forms::WindowEvents* events = nullptr;
        GtkRuntime* runtime = nullptr;
    };

    // Embedded pictures and pointers, loaded once and kept for the run.
    GdkPixbuf* pixbuf(forms::Picture picture);
    GdkCursor* cursor(const forms::Pointer& pointer);

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

    ControlWidgets& controlOf(forms::WindowId window, int control);
    GtkWindow* activeWindow();

    std::map<forms::WindowId, WindowWidgets*> windows_;
    std::map<std::string, GdkPixbuf*, std::less<>> pixbufs_;
    std::map<std::string, GdkCursor*, std::less<>> cursors_;
    std::set<std::string> styledWindows_;
    GtkCssProvider* styles_ = nullptr;
};
