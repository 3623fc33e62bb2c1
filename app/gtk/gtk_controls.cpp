// Building the controls of a window and reading and writing their properties.
#include <cstdio>

#include "app/gtk/gtk_controls.h"
#include "app/gtk/line_feed_display.h"

namespace {

using Widgets = GtkRuntime::WindowWidgets;

constexpr const char* kWindowKey = "forms-window";
constexpr const char* kControlKey = "forms-control";

void tag(GtkWidget* widget, Widgets& window, int control) {
    g_object_set_data(G_OBJECT(widget), kWindowKey, &window);
    g_object_set_data(G_OBJECT(widget), kControlKey, GINT_TO_POINTER(control));
}

Widgets& windowOf(GtkWidget* widget) {
    return *static_cast<Widgets*>(g_object_get_data(G_OBJECT(widget), kWindowKey));
}

int controlOf(GtkWidget* widget) {
    return GPOINTER_TO_INT(g_object_get_data(G_OBJECT(widget), kControlKey));
}

void deliverClick(GtkWidget* widget) {
    Widgets& window = windowOf(widget);
    window.events->clicked(controlOf(widget));
}

// A picture clicks when the button goes up over it after going down on it; the second
// press of a double-click raises no click.
gboolean picturePressed(GtkWidget* widget, GdkEventButton* event, gpointer) {
    if (event->button != GDK_BUTTON_PRIMARY) {
        return FALSE;
    }
    auto& control = windowOf(widget).controls[controlOf(widget)];
    if (event->type == GDK_BUTTON_PRESS) {
        control.pressed = true;
    } else if (event->type == GDK_2BUTTON_PRESS) {
        control.doubleClick = true;
    }
    return TRUE;
}

gboolean pictureReleased(GtkWidget* widget, GdkEventButton* event, gpointer) {
    if (event->button != GDK_BUTTON_PRIMARY) {
        return FALSE;
    }
    auto& control = windowOf(widget).controls[controlOf(widget)];
    const bool click = control.pressed && !control.doubleClick && event->x >= 0 && event->y >= 0 &&
                       event->x < gtk_widget_get_allocated_width(widget) &&
                       event->y < gtk_widget_get_allocated_height(widget);
    control.pressed = false;
    control.doubleClick = false;
    if (click) {
        deliverClick(widget);
    }
    return TRUE;
}

void buttonClicked(GtkWidget* widget, gpointer) { deliverClick(widget); }

// A grayed box that the user clicks becomes unchecked rather than checked.
void checkBoxClicked(GtkWidget* widget, gpointer) {
    auto* toggle = GTK_TOGGLE_BUTTON(widget);
    if (gtk_toggle_button_get_inconsistent(toggle)) {
        g_signal_handlers_block_by_func(widget, reinterpret_cast<gpointer>(checkBoxClicked),
                                        nullptr);
        gtk_toggle_button_set_inconsistent(toggle, FALSE);
        gtk_toggle_button_set_active(toggle, FALSE);
        g_signal_handlers_unblock_by_func(widget, reinterpret_cast<gpointer>(checkBoxClicked),
                                          nullptr);
    }
    deliverClick(widget);
}

// The user typed or deleted something: from now on the box itself holds the text.
void textEdited(GtkTextBuffer*, gpointer data) {
    static_cast<GtkRuntime::ControlWidgets*>(data)->textCurrent = false;
}

std::string selectedText(GtkTextView* view) {
    GtkTextBuffer* buffer = gtk_text_view_get_buffer(view);
    GtkTextIter start, end;
    if (!gtk_text_buffer_get_selection_bounds(buffer, &start, &end)) {
        return {};
    }
    gchar* shown = gtk_text_buffer_get_text(buffer, &start, &end, TRUE);
    std::string text = textFromDisplay(shown);
    g_free(shown);
    return text;
}

// What is copied is the text itself, not the way the box shows it.
void copySelection(GtkTextView* view, gpointer) {
    g_signal_stop_emission_by_name(view, "copy-clipboard");
    const std::string text = selectedText(view);
    if (!text.empty()) {
        gtk_clipboard_set_text(gtk_widget_get_clipboard(GTK_WIDGET(view), GDK_SELECTION_CLIPBOARD),
                               text.data(), static_cast<gint>(text.size()));
    }
}

void cutSelection(GtkTextView* view, gpointer data) {
    copySelection(view, data);
    g_signal_stop_emission_by_name(view, "cut-clipboard");
    gtk_text_buffer_delete_selection(gtk_text_view_get_buffer(view), TRUE,
                                     gtk_text_view_get_editable(view));
}

// A control's own pointer is made when the mouse first comes over it: nothing the first paint
// has to wait for.
gboolean setPointerOnEntry(GtkWidget* widget, GdkEventCrossing*, gpointer pointer) {
    auto& window = windowOf(widget);
    gdk_window_set_cursor(gtk_widget_get_window(widget),
                          window.runtime->cursor(*static_cast<const forms::Pointer*>(pointer)));
    g_signal_handlers_disconnect_by_func(widget, reinterpret_cast<gpointer>(setPointerOnEntry),
                                         pointer);
    return FALSE;
}

GtkWidget* buildTextBox(GtkRuntime::ControlWidgets& control) {
    GtkWidget*& inner = control.inner;
    GtkWidget* scroller = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(scroller), GTK_POLICY_NEVER,
                                   GTK_POLICY_ALWAYS);
    gtk_scrolled_window_set_overlay_scrolling(GTK_SCROLLED_WINDOW(scroller), FALSE);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(scroller), GTK_SHADOW_IN);
    inner = gtk_text_view_new();
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(inner), GTK_WRAP_WORD_CHAR);
    gtk_text_view_set_left_margin(GTK_TEXT_VIEW(inner), 2);
    gtk_text_view_set_right_margin(GTK_TEXT_VIEW(inner), 2);
    g_signal_connect(gtk_text_view_get_buffer(GTK_TEXT_VIEW(inner)), "changed",
                     G_CALLBACK(textEdited), &control);
    g_signal_connect(inner, "copy-clipboard", G_CALLBACK(copySelection), nullptr);
    g_signal_connect(inner, "cut-clipboard", G_CALLBACK(cutSelection), nullptr);
    gtk_container_add(GTK_CONTAINER(scroller), inner);
    gtk_widget_show(inner);
    return scroller;
}

// A picture draws itself, at its natural size from the top-left: one widget with a window of
// its own, so it can have its own pointer and take clicks.
gboolean drawPicture(GtkWidget* widget, cairo_t* cairo, gpointer) {
    auto& window = windowOf(widget);
    if (GdkPixbuf* pixbuf = window.runtime->pixbuf(window.controls[controlOf(widget)].picture)) {
        gdk_cairo_set_source_pixbuf(cairo, pixbuf, 0, 0);
        cairo_paint(cairo);
    }
    return TRUE;
}

GtkWidget* buildPicture(const forms::ControlLayout& layout) {
    GtkWidget* area = gtk_drawing_area_new();
    g_signal_connect(area, "draw", G_CALLBACK(drawPicture), nullptr);
    gtk_widget_add_events(area,
                          GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_ENTER_NOTIFY_MASK);
    g_signal_connect(area, "button-press-event", G_CALLBACK(picturePressed), nullptr);
    g_signal_connect(area, "button-release-event", G_CALLBACK(pictureReleased), nullptr);
    if (!layout.mousePointer.picture.name.empty()) {
        g_signal_connect(area, "enter-notify-event", G_CALLBACK(setPointerOnEntry),
                         const_cast<forms::Pointer*>(&layout.mousePointer));
    }
    return area;
}

GtkWidget* buildFrame(const forms::ControlLayout& layout, GtkWidget*& inner) {
    GtkWidget* frame = gtk_frame_new(nullptr);
    inner = gtk_label_new(std::string(layout.caption).c_str());
    gtk_frame_set_label_widget(GTK_FRAME(frame), inner);
    gtk_widget_show(inner);
    return frame;
}

// A caption wider than its control is cut off with an ellipsis rather than widening it.
void fitCaption(GtkWidget* button) {
    gtk_label_set_ellipsize(GTK_LABEL(gtk_bin_get_child(GTK_BIN(button))), PANGO_ELLIPSIZE_END);
}

GtkWidget* buildCheckBox(const forms::ControlLayout& layout) {
    GtkWidget* box = gtk_check_button_new_with_label(std::string(layout.caption).c_str());
    fitCaption(box);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(box), layout.value == 1);
    gtk_toggle_button_set_inconsistent(GTK_TOGGLE_BUTTON(box), layout.value == 2);
    g_signal_connect(box, "clicked", G_CALLBACK(checkBoxClicked), nullptr);
    return box;
}

GtkWidget* buildCommandButton(const forms::ControlLayout& layout) {
    GtkWidget* button = gtk_button_new_with_label(std::string(layout.caption).c_str());
    fitCaption(button);
    gtk_widget_set_can_default(button, FALSE);
    g_signal_connect(button, "clicked", G_CALLBACK(buttonClicked), nullptr);
    return button;
}

std::string cssRule(const std::string& widgetName, const forms::ControlLayout& layout) {
    std::string rule;
    char buffer[256];
    if (layout.font != nullptr) {
        std::snprintf(buffer, sizeof buffer,
                      "#%s { font-family: \"%.*s\"; font-size: %gpt; font-weight: %d; }\n",
                      widgetName.c_str(), static_cast<int>(layout.font->face.size()),
                      layout.font->face.data(), layout.font->points, layout.font->weight);
        rule += buffer;
    }
    if (layout.foreColor != nullptr) {
        std::snprintf(buffer, sizeof buffer, "#%s text { color: rgb(%d, %d, %d); }\n",
                      widgetName.c_str(), layout.foreColor->red, layout.foreColor->green,
                      layout.foreColor->blue);
        rule += buffer;
    }
    return rule;
}

}  // namespace

std::string widgetNameOf(const forms::WindowLayout& window, const forms::ControlLayout& control) {
    return std::string(window.name) + "-" + std::string(control.name);
}

std::string layoutStyles(const forms::WindowLayout& window) {
    std::string css;
    for (const forms::ControlLayout& control : window.controls) {
        css += cssRule(widgetNameOf(window, control), control);
    }
    return css;
}

GtkWidget* buildControl(GtkRuntime::WindowWidgets& window, const forms::WindowLayout& windowLayout,
                        int index) {
    const forms::ControlLayout& layout = windowLayout.controls[index];
    auto& control = window.controls[index];
    control.picture = layout.picture;
    GtkWidget* outer = nullptr;
    switch (layout.kind) {
        case forms::ControlKind::TextBox:
            outer = buildTextBox(control);
            break;
        case forms::ControlKind::Image:
            window.runtime->pixbuf(layout.picture);  // fails now rather than while drawing
            outer = control.inner = buildPicture(layout);
            break;
        case forms::ControlKind::Frame:
            outer = buildFrame(layout, control.inner);
            break;
        case forms::ControlKind::CheckBox:
            outer = control.inner = buildCheckBox(layout);
            break;
        case forms::ControlKind::CommandButton:
            outer = control.inner = buildCommandButton(layout);
            break;
    }
    control.outer = outer;
    tag(outer, window, index);
    tag(control.inner, window, index);

    gtk_widget_set_name(control.inner, widgetNameOf(windowLayout, layout).c_str());

    gtk_widget_set_can_focus(control.inner, layout.tabIndex >= 0);
    gtk_widget_set_sensitive(outer, layout.enabled);
    gtk_widget_set_no_show_all(outer, TRUE);
    gtk_widget_set_visible(outer, layout.visible);
    if (!layout.accessibleName.empty()) {
        atk_object_set_name(gtk_widget_get_accessible(outer),
                            std::string(layout.accessibleName).c_str());
    }
    return outer;
}

std::string controlText(GtkRuntime::ControlWidgets& control) {
    if (!control.textCurrent) {
        GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(control.inner));
        GtkTextIter start, end;
        gtk_text_buffer_get_bounds(buffer, &start, &end);
        gchar* shown = gtk_text_buffer_get_text(buffer, &start, &end, TRUE);
        control.text = textFromDisplay(shown);
        control.textCurrent = true;
        g_free(shown);
    }
    return control.text;
}

void setControlText(GtkRuntime::ControlWidgets& control, std::string_view text) {
    GtkTextBuffer* buffer = gtk_text_view_get_buffer(GTK_TEXT_VIEW(control.inner));
    const std::string shown = textForDisplay(text);
    g_signal_handlers_block_by_func(buffer, reinterpret_cast<gpointer>(textEdited), &control);
    gtk_text_buffer_set_text(buffer, shown.data(), static_cast<gint>(shown.size()));
    g_signal_handlers_unblock_by_func(buffer, reinterpret_cast<gpointer>(textEdited), &control);
    control.text = text;
    control.textCurrent = true;
}

void setControlPicture(GtkRuntime& runtime, GtkRuntime::ControlWidgets& control,
                       forms::Picture picture) {
    runtime.pixbuf(picture);  // a picture that cannot be had fails here, not while drawing
    control.picture = picture;
    gtk_widget_queue_draw(control.inner);  // painted when the program next waits
}

int controlValue(GtkRuntime::ControlWidgets& control) {
    auto* toggle = GTK_TOGGLE_BUTTON(control.inner);
    if (gtk_toggle_button_get_inconsistent(toggle)) {
        return 2;
    }
    return gtk_toggle_button_get_active(toggle) ? 1 : 0;
}

void setControlValue(GtkRuntime::ControlWidgets& control, int value) {
    auto* toggle = GTK_TOGGLE_BUTTON(control.inner);
    // GTK reports a change of state as a click; a value set from code raises none.
    g_signal_handlers_block_by_func(control.inner, reinterpret_cast<gpointer>(checkBoxClicked),
                                    nullptr);
    gtk_toggle_button_set_inconsistent(toggle, value == 2);
    gtk_toggle_button_set_active(toggle, value == 1);
    g_signal_handlers_unblock_by_func(control.inner, reinterpret_cast<gpointer>(checkBoxClicked),
                                      nullptr);
}
