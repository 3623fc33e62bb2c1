// The client area of a window: a container that gives itself exactly the designed client size
// and each control exactly its designed rectangle, whatever size the control would like
// (GtkFixed alone grows to fit a control whose text is wider than designed), and draws the
// window's background picture, if any, unscaled at its top-left under the controls.
#pragma once

#include <gtk/gtk.h>

GtkWidget* form_surface_new(int width, int height, GdkPixbuf* background);
// Places `child` at (x, y) with the given size.
void form_surface_put(GtkWidget* surface, GtkWidget* child, int x, int y, int width, int height);
