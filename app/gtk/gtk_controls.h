// The controls of a GTK window: building them from their layout, and their properties.
#pragma once

#include <string>
#include <string_view>

#include "app/gtk/gtk_runtime.h"

// The fonts and colours of a window's controls, as CSS for their widget names.
std::string layoutStyles(const forms::WindowLayout& window);

// Builds control `index` of the layout into `window.controls[index]` and returns the widget to
// place.
GtkWidget* buildControl(GtkRuntime::WindowWidgets& window, const forms::WindowLayout& windowLayout,
                        int index);

std::string controlText(GtkRuntime::ControlWidgets& control);
void setControlText(GtkRuntime::ControlWidgets& control, std::string_view text);
void setControlPicture(GtkRuntime& runtime, GtkRuntime::ControlWidgets& control,
                       forms::Picture picture);
int controlValue(GtkRuntime::ControlWidgets& control);
void setControlValue(GtkRuntime::ControlWidgets& control, int value);
