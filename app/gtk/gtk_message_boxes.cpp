// Question and error boxes: modal to the whole application, over the active window.
#include "app/gtk/gtk_runtime.h"

namespace {

GtkWidget* messageBox(GtkWindow* parent, GtkMessageType type, GtkButtonsType buttons,
                      const char* iconName, std::string_view text, std::string_view title) {
    const std::string message(text);
    GtkWidget* box =
        gtk_message_dialog_new(parent, GTK_DIALOG_MODAL, type, buttons, "%s", message.c_str());
    gtk_window_set_title(GTK_WINDOW(box), std::string(title).c_str());
    gtk_window_set_position(GTK_WINDOW(box),
                            parent != nullptr ? GTK_WIN_POS_CENTER_ON_PARENT : GTK_WIN_POS_CENTER);
    gtk_window_set_resizable(GTK_WINDOW(box), FALSE);
    // GTK 3 no longer draws the kind of message; the icon tells the user what is asked.
    G_GNUC_BEGIN_IGNORE_DEPRECATIONS
    GtkWidget* icon = gtk_image_new_from_icon_name(iconName, GTK_ICON_SIZE_DIALOG);
    gtk_message_dialog_set_image(GTK_MESSAGE_DIALOG(box), icon);
    G_GNUC_END_IGNORE_DEPRECATIONS
    gtk_widget_show(icon);
    return box;
}

}  // namespace

int GtkRuntime::questionBoxImpl(std::string_view text, std::string_view title) {
    GtkWidget* box = messageBox(activeWindow(), GTK_MESSAGE_QUESTION, GTK_BUTTONS_OK_CANCEL,
                                "dialog-question", text, title);
    gtk_dialog_set_default_response(GTK_DIALOG(box), GTK_RESPONSE_OK);
    // Escape and the close box answer like Cancel.
    const int response = gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
    return response == GTK_RESPONSE_OK ? forms::kAnswerOk : forms::kAnswerCancel;
}

void GtkRuntime::errorBoxImpl(std::string_view text, std::string_view title) {
    GtkWidget* box =
        messageBox(activeWindow(), GTK_MESSAGE_ERROR, GTK_BUTTONS_OK, "dialog-error", text, title);
    gtk_dialog_run(GTK_DIALOG(box));
    gtk_widget_destroy(box);
}
