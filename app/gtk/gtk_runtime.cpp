#include "app/gtk/gtk_runtime.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>

#include "app/gtk/form_surface.h"
#include "app/gtk/gtk_controls.h"
#include "app/platform_runtime.h"
#include "app/posix/posix_system.h"
#include "assets/embedded_pictures.h"

std::unique_ptr<forms::Runtime> makePlatformRuntime() { return std::make_unique<GtkRuntime>(); }

namespace {

gboolean closeBoxPressed(GtkWidget*, GdkEvent*, gpointer data) {
    auto* window = static_cast<GtkRuntime::WindowWidgets*>(data);
    window->events->closeRequested();
    return TRUE;  // the owner decides whether the window goes
}

constexpr const char* kIconKey = "forms-icon";

// What the window manager is told about the frame: the icon, and no minimise or maximise box
// and no resizing, only moving and closing. The icon goes straight onto the window, since
// GtkWindow's own icon handling consults the icon theme first.
void describeFrame(GtkWidget* widget, gpointer) {
    GdkWindow* window = gtk_widget_get_window(widget);
    if (auto* icon = static_cast<GdkPixbuf*>(g_object_get_data(G_OBJECT(widget), kIconKey))) {
        GList icons{icon, nullptr, nullptr};
        gdk_window_set_icon_list(window, &icons);
    }
    gdk_window_set_decorations(
        window, static_cast<GdkWMDecoration>(GDK_DECOR_BORDER | GDK_DECOR_TITLE | GDK_DECOR_MENU));
    gdk_window_set_functions(window, static_cast<GdkWMFunction>(GDK_FUNC_MOVE | GDK_FUNC_CLOSE));
}

// The standard arrow over the window's own surface. Looking it up in the cursor theme takes
// time the first paint need not wait for, so it is set once the window is on screen.
gboolean setArrowWhenMapped(GtkWidget* widget, GdkEvent*, gpointer) {
    GdkCursor* arrow = gdk_cursor_new_from_name(gtk_widget_get_display(widget), "default");
    gdk_window_set_cursor(gtk_widget_get_window(widget), arrow);
    g_object_unref(arrow);
    g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(setArrowWhenMapped),
                                         nullptr);
    return FALSE;
}

// Tab and Shift+Tab follow the tab indices, round and round; GTK's own order follows the
// positions on screen instead.
gboolean tabPressed(GtkWidget* window, GdkEventKey* event, gpointer data) {
    const bool forward = event->keyval == GDK_KEY_Tab;
    const bool backward = event->keyval == GDK_KEY_ISO_Left_Tab;
    const auto& order = static_cast<GtkRuntime::WindowWidgets*>(data)->tabOrder;
    if ((!forward && !backward) || order.empty() ||
        (event->state & (GDK_CONTROL_MASK | GDK_MOD1_MASK)) != 0) {
        return FALSE;
    }
    GtkWidget* focus = gtk_window_get_focus(GTK_WINDOW(window));
    const auto current = std::find(order.begin(), order.end(), focus);
    const std::size_t count = order.size();
    std::size_t next = 0;
    if (current != order.end()) {
        const auto index = static_cast<std::size_t>(current - order.begin());
        next = forward ? (index + 1) % count : (index + count - 1) % count;
    }
    // Skip what cannot take the focus now (hidden or disabled).
    for (std::size_t tried = 0; tried < count; ++tried) {
        GtkWidget* candidate = order[next];
        if (gtk_widget_is_visible(candidate) && gtk_widget_is_sensitive(candidate)) {
            gtk_widget_grab_focus(candidate);
            return TRUE;
        }
        next = forward ? (next + 1) % count : (next + count - 1) % count;
    }
    return TRUE;
}

// Centred on the screen, from the monitor geometry GDK already holds: GTK's own centring asks
// the X server where the pointer is first.
void centre(GtkWindow* window, int width, int height) {
    GdkDisplay* display = gdk_display_get_default();
    GdkMonitor* monitor = gdk_display_get_primary_monitor(display);
    if (monitor == nullptr) {
        monitor = gdk_display_get_monitor(display, 0);
    }
    if (monitor == nullptr) {
        gtk_window_set_position(window, GTK_WIN_POS_CENTER);
        return;
    }
    GdkRectangle screen;
    gdk_monitor_get_geometry(monitor, &screen);
    gtk_window_move(window, screen.x + (screen.width - width) / 2,
                    screen.y + (screen.height - height) / 2);
}

}  // namespace

GtkRuntime::GtkRuntime() {
    // No arguments: the launcher takes none, and GTK must not read any either.
    gtk_init(nullptr, nullptr);
    // The run-time's default font for captions, and controls that keep to their designed size.
    static constexpr char kBaseStyle[] =
        ".forms-surface checkbutton, .forms-surface button, .forms-surface frame > label "
        "{ font-family: \"Liberation Sans\", Arial, Sans; font-size: 8pt; }\n"
        ".forms-surface checkbutton { padding: 0; min-height: 0; }\n"
        ".forms-surface checkbutton check "
        "{ margin: 0 4px 0 0; min-width: 13px; min-height: 13px; }\n"
        ".forms-surface button { padding: 0 4px; min-height: 0; }\n";
    styles_ = gtk_css_provider_new();
    gtk_css_provider_load_from_data(styles_, kBaseStyle, -1, nullptr);
    gtk_style_context_add_provider_for_screen(gdk_screen_get_default(), GTK_STYLE_PROVIDER(styles_),
                                              GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
}

GtkRuntime::~GtkRuntime() {
    for (auto& [name, pixbuf] : pixbufs_) {
        g_object_unref(pixbuf);
    }
    for (auto& [name, cursor] : cursors_) {
        g_object_unref(cursor);
    }
    g_object_unref(styles_);
}

GdkPixbuf* GtkRuntime::pixbuf(forms::Picture picture) {
    if (picture.name.empty()) {
        return nullptr;
    }
    auto found = pixbufs_.find(picture.name);
    if (found == pixbufs_.end()) {
        const EmbeddedPicture* embedded = findEmbeddedPicture(picture.name);
        if (embedded == nullptr) {
            throw forms::Error("Kan de afbeelding '" + std::string(picture.name) +
                               "' niet vinden.");
        }
        // The pixels stay where they are, inside the executable: nothing is decoded or copied.
        const int channels = embedded->hasAlpha ? 4 : 3;
        GdkPixbuf* made = gdk_pixbuf_new_from_data(
            embedded->pixels, GDK_COLORSPACE_RGB, embedded->hasAlpha, 8, embedded->width,
            embedded->height, embedded->width * channels, nullptr, nullptr);
        found = pixbufs_.emplace(std::string(picture.name), made).first;
    }
    return found->second;
}

GdkCursor* GtkRuntime::cursor(const forms::Pointer& pointer) {
    auto found = cursors_.find(pointer.picture.name);
    if (found == cursors_.end()) {
        GdkCursor* made = gdk_cursor_new_from_pixbuf(
            gdk_display_get_default(), pixbuf(pointer.picture), pointer.hotSpotX, pointer.hotSpotY);
        found = cursors_.emplace(std::string(pointer.picture.name), made).first;
    }
    return found->second;
}

void GtkRuntime::createWindowImpl(forms::WindowId id, const forms::WindowLayout& layout,
                                  forms::WindowEvents& events) {
    // Styles before widgets, so nothing is styled twice; once for each window, however often
    // it is loaded.
    if (styledWindows_.insert(std::string(layout.name)).second) {
        const std::string css = layoutStyles(layout);
        GtkCssProvider* provider = gtk_css_provider_new();
        gtk_css_provider_load_from_data(provider, css.c_str(), -1, nullptr);
        gtk_style_context_add_provider_for_screen(gdk_screen_get_default(),
                                                  GTK_STYLE_PROVIDER(provider),
                                                  GTK_STYLE_PROVIDER_PRIORITY_APPLICATION);
        g_object_unref(provider);
    }

    auto* widgets = new WindowWidgets{};
    widgets->events = &events;
    widgets->runtime = this;
    widgets->controls.resize(layout.controls.size());

    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    widgets->window = window;
    gtk_window_set_title(GTK_WINDOW(window), std::string(layout.title).c_str());
    gtk_window_set_resizable(GTK_WINDOW(window), FALSE);
    centre(GTK_WINDOW(window), forms::twipsToPixels(layout.clientWidth),
           forms::twipsToPixels(layout.clientHeight));
    if (layout.border == forms::BorderStyle::FixedDialog) {
        gtk_window_set_type_hint(GTK_WINDOW(window), GDK_WINDOW_TYPE_HINT_DIALOG);
    }
    gtk_window_set_skip_taskbar_hint(GTK_WINDOW(window), !layout.showInTaskbar);
    if (!layout.icon.name.empty()) {
        g_object_set_data(G_OBJECT(window), kIconKey, pixbuf(layout.icon));
    }
    g_signal_connect(window, "delete-event", G_CALLBACK(closeBoxPressed), widgets);
    g_signal_connect(window, "realize", G_CALLBACK(describeFrame), nullptr);
    g_signal_connect(window, "map-event", G_CALLBACK(setArrowWhenMapped), nullptr);

    GtkWidget* surface =
        form_surface_new(forms::twipsToPixels(layout.clientWidth),
                         forms::twipsToPixels(layout.clientHeight), pixbuf(layout.picture));
    gtk_style_context_add_class(gtk_widget_get_style_context(surface), "forms-surface");
    gtk_container_add(GTK_CONTAINER(window), surface);

    for (int i = 0; i < static_cast<int>(layout.controls.size()); ++i) {
        const forms::ControlLayout& control = layout.controls[i];
        GtkWidget* widget = buildControl(*widgets, layout, i);
        // Contained controls are placed over their frame, at their place inside it.
        const forms::Position position = forms::positionInWindow(layout, control);
        form_surface_put(surface, widget, forms::twipsToPixels(position.left),
                         forms::twipsToPixels(position.top), forms::twipsToPixels(control.width),
                         forms::twipsToPixels(control.height));
    }
    for (int index : forms::tabOrder(layout)) {
        widgets->tabOrder.push_back(widgets->controls[index].inner);
    }
    g_signal_connect(window, "key-press-event", G_CALLBACK(tabPressed), widgets);
    gtk_widget_show_all(surface);
    if (!widgets->tabOrder.empty()) {
        gtk_window_set_focus(GTK_WINDOW(window), widgets->tabOrder.front());
    }
    windows_[id] = widgets;
}

void GtkRuntime::destroyWindowImpl(forms::WindowId window) {
    WindowWidgets* widgets = windows_.at(window);
    windows_.erase(window);
    gtk_widget_destroy(widgets->window);
    delete widgets;
}

void GtkRuntime::showWindowImpl(forms::WindowId window) {
    GtkWidget* toplevel = windows_.at(window)->window;
    // A window coming on screen is shown (the window manager gives it the focus); presenting
    // it asks the window manager more than a first show needs. A visible window comes to the
    // front.
    if (gtk_widget_get_visible(toplevel)) {
        gtk_window_present(GTK_WINDOW(toplevel));
    } else {
        gtk_widget_show(toplevel);
    }
}

void GtkRuntime::hideWindowImpl(forms::WindowId window) {
    gtk_widget_hide(windows_.at(window)->window);
}

bool GtkRuntime::windowVisibleImpl(forms::WindowId window) {
    return gtk_widget_get_visible(windows_.at(window)->window);
}

GtkRuntime::ControlWidgets& GtkRuntime::controlOf(forms::WindowId window, int control) {
    return windows_.at(window)->controls.at(control);
}

std::string GtkRuntime::textImpl(forms::WindowId window, int control) {
    return controlText(controlOf(window, control));
}

void GtkRuntime::setTextImpl(forms::WindowId window, int control, std::string_view text) {
    setControlText(controlOf(window, control), text);
}

forms::Picture GtkRuntime::pictureImpl(forms::WindowId window, int control) {
    return controlOf(window, control).picture;
}

void GtkRuntime::setPictureImpl(forms::WindowId window, int control, forms::Picture picture) {
    setControlPicture(*this, controlOf(window, control), picture);
}

bool GtkRuntime::visibleImpl(forms::WindowId window, int control) {
    return gtk_widget_get_visible(controlOf(window, control).outer);
}

void GtkRuntime::setVisibleImpl(forms::WindowId window, int control, bool visible) {
    gtk_widget_set_visible(controlOf(window, control).outer, visible);
}

bool GtkRuntime::enabledImpl(forms::WindowId window, int control) {
    return gtk_widget_get_sensitive(controlOf(window, control).outer);
}

void GtkRuntime::setEnabledImpl(forms::WindowId window, int control, bool enabled) {
    gtk_widget_set_sensitive(controlOf(window, control).outer, enabled);
}

int GtkRuntime::valueImpl(forms::WindowId window, int control) {
    return controlValue(controlOf(window, control));
}

void GtkRuntime::setValueImpl(forms::WindowId window, int control, int value) {
    setControlValue(controlOf(window, control), value);
}

GtkWindow* GtkRuntime::activeWindow() {
    for (auto& [id, widgets] : windows_) {
        if (gtk_window_is_active(GTK_WINDOW(widgets->window))) {
            return GTK_WINDOW(widgets->window);
        }
    }
    return nullptr;
}

std::string GtkRuntime::readTextFileImpl(const std::string& path) {
    return posix::readTextFile(path);
}

std::string GtkRuntime::applicationPathImpl() { return posix::executableFolder(); }

void GtkRuntime::startProgramImpl(const std::string& path) { posix::startDetachedProgram(path); }

void GtkRuntime::runImpl() { gtk_main(); }

void GtkRuntime::quitImpl() { gtk_main_quit(); }

void GtkRuntime::endImpl() {
    // At once: no handler, no unload and no destructor runs; the X server takes the windows.
    std::fflush(nullptr);
    _exit(0);
}
