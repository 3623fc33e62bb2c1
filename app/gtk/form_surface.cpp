#include "app/gtk/form_surface.h"

namespace {

struct FormSurface {
    GtkFixed parent;
    int width;
    int height;
    GdkPixbuf* background;  // owned by the run-time, which outlives every window
};

struct FormSurfaceClass {
    GtkFixedClass parent;
};

struct ChildRect {
    int x, y, width, height;
};

constexpr const char* kRectKey = "form-surface-rect";

G_DEFINE_TYPE(FormSurface, form_surface, GTK_TYPE_FIXED)

FormSurface* asSurface(GtkWidget* widget) {
    return G_TYPE_CHECK_INSTANCE_CAST(widget, form_surface_get_type(), FormSurface);
}

void preferredWidth(GtkWidget* widget, gint* minimum, gint* natural) {
    *minimum = *natural = asSurface(widget)->width;
}

void preferredHeight(GtkWidget* widget, gint* minimum, gint* natural) {
    *minimum = *natural = asSurface(widget)->height;
}

void allocateChild(GtkWidget* child, gpointer data) {
    const auto* area = static_cast<const GtkAllocation*>(data);
    const auto* rect = static_cast<const ChildRect*>(g_object_get_data(G_OBJECT(child), kRectKey));
    if (rect == nullptr || !gtk_widget_get_visible(child)) {
        return;
    }
    GtkRequisition own;  // asked for, as GTK expects before an allocation; not used
    gtk_widget_get_preferred_size(child, &own, nullptr);
    GtkAllocation allocation{area->x + rect->x, area->y + rect->y, rect->width, rect->height};
    gtk_widget_size_allocate(child, &allocation);
}

void sizeAllocate(GtkWidget* widget, GtkAllocation* allocation) {
    gtk_widget_set_allocation(widget, allocation);
    gtk_container_forall(GTK_CONTAINER(widget), allocateChild, allocation);
}

gboolean draw(GtkWidget* widget, cairo_t* cairo) {
    if (GdkPixbuf* background = asSurface(widget)->background) {
        gdk_cairo_set_source_pixbuf(cairo, background, 0, 0);
        cairo_paint(cairo);
    }
    return GTK_WIDGET_CLASS(form_surface_parent_class)->draw(widget, cairo);
}

void form_surface_class_init(FormSurfaceClass* surfaceClass) {
    auto* widgetClass = GTK_WIDGET_CLASS(surfaceClass);
    widgetClass->draw = draw;
    widgetClass->get_preferred_width = preferredWidth;
    widgetClass->get_preferred_height = preferredHeight;
    widgetClass->size_allocate = sizeAllocate;
}

void form_surface_init(FormSurface*) {}

}  // namespace

GtkWidget* form_surface_new(int width, int height, GdkPixbuf* background) {
    auto* surface = static_cast<FormSurface*>(g_object_new(form_surface_get_type(), nullptr));
    surface->width = width;
    surface->height = height;
    surface->background = background;
    return GTK_WIDGET(surface);
}

void form_surface_put(GtkWidget* surface, GtkWidget* child, int x, int y, int width, int height) {
    g_object_set_data_full(G_OBJECT(child), kRectKey, new ChildRect{x, y, width, height},
                           [](gpointer rect) { delete static_cast<ChildRect*>(rect); });
    gtk_fixed_put(GTK_FIXED(surface), child, x, y);
}
