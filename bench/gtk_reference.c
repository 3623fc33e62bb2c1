/* The floor for a GTK program: a 390 x 225 window holding one text view, nothing else.
 * With a file name, the text view is given that file's text, set once. */
#include <gtk/gtk.h>

int main(int argc, char** argv) {
    gtk_init(NULL, NULL);
    GtkWidget* window = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    gtk_window_set_title(GTK_WINDOW(window), "GTK reference");
    gtk_window_set_default_size(GTK_WINDOW(window), 390, 225);
    GtkWidget* view = gtk_text_view_new();
    gtk_text_view_set_wrap_mode(GTK_TEXT_VIEW(view), GTK_WRAP_WORD_CHAR);
    if (argc > 1) {
        gchar* text = NULL;
        gsize length = 0;
        if (g_file_get_contents(argv[1], &text, &length, NULL)) {
            gtk_text_buffer_set_text(gtk_text_view_get_buffer(GTK_TEXT_VIEW(view)), text,
                                     (gint)length);
            g_free(text);
        }
    }
    GtkWidget* scroller = gtk_scrolled_window_new(NULL, NULL);
    gtk_container_add(GTK_CONTAINER(scroller), view);
    gtk_container_add(GTK_CONTAINER(window), scroller);
    g_signal_connect(window, "destroy", G_CALLBACK(gtk_main_quit), NULL);
    gtk_widget_show_all(window);
    gtk_main();
    return 0;
}
