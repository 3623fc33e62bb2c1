/* Build step: turns the PNG pictures into C++ arrays of raw pixels, so the launcher shows them
 * without a picture loader, a MIME lookup or any decoding at start-up.
 * Usage: embed_pictures OUTPUT.cpp NAME=FILE.png... */
#include <gdk-pixbuf/gdk-pixbuf.h>
#include <stdio.h>
#include <string.h>

struct Entry {
    const char* name;
    int width, height, alpha;
};

/* Writes one picture's pixels as an array, rows tightly packed; returns 0 on success. */
static int write_pixels(FILE* out, struct Entry* entry, const char* file) {
    GError* error = NULL;
    GdkPixbuf* pixbuf = gdk_pixbuf_new_from_file(file, &error);
    if (!pixbuf) {
        fprintf(stderr, "%s: %s\n", file, error->message);
        g_error_free(error);
        return 1;
    }
    entry->width = gdk_pixbuf_get_width(pixbuf);
    entry->height = gdk_pixbuf_get_height(pixbuf);
    entry->alpha = gdk_pixbuf_get_has_alpha(pixbuf);
    const int rowstride = gdk_pixbuf_get_rowstride(pixbuf);
    const int row_bytes = entry->width * gdk_pixbuf_get_n_channels(pixbuf);
    const guchar* pixels = gdk_pixbuf_read_pixels(pixbuf);
    fprintf(out, "alignas(4) const unsigned char %s_pixels[] = {", entry->name);
    for (int y = 0; y < entry->height; ++y) {
        for (int x = 0; x < row_bytes; ++x) {
            fprintf(out, "%s%u,", x % 24 == 0 ? "\n    " : "", pixels[y * rowstride + x]);
        }
    }
    fprintf(out, "\n};\n\n");
    g_object_unref(pixbuf);
    return 0;
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: embed_pictures OUTPUT.cpp NAME=FILE.png...\n");
        return 2;
    }
    FILE* out = fopen(argv[1], "w");
    if (!out) {
        perror(argv[1]);
        return 1;
    }
    const int count = argc - 2;
    struct Entry* entries = g_new0(struct Entry, count);
    fprintf(out, "// Generated from the PNG files in assets/ by embed_pictures; do not edit.\n");
    fprintf(out, "#include \"assets/embedded_pictures.h\"\n\nnamespace {\n\n");
    for (int i = 0; i < count; ++i) {
        char* name = argv[i + 2];
        char* file = strchr(name, '=');
        if (!file) {
            fprintf(stderr, "expected NAME=FILE.png: %s\n", name);
            return 2;
        }
        *file++ = '\0';
        entries[i].name = name;
        if (write_pixels(out, &entries[i], file) != 0) {
            return 1;
        }
    }
    fprintf(out, "constexpr EmbeddedPicture kPictures[] = {\n");
    for (int i = 0; i < count; ++i) {
        fprintf(out, "    {\"%s\", %d, %d, %s, %s_pixels},\n", entries[i].name, entries[i].width,
                entries[i].height, entries[i].alpha ? "true" : "false", entries[i].name);
    }
    fprintf(out,
            "};\n\n}  // namespace\n\n"
            "const EmbeddedPicture* findEmbeddedPicture(std::string_view name) {\n"
            "    for (const EmbeddedPicture& picture : kPictures) {\n"
            "        if (picture.name == name) {\n"
            "            return &picture;\n"
            "        }\n"
            "    }\n"
            "    return nullptr;\n"
            "}\n");
    g_free(entries);
    return fclose(out) == 0 ? 0 : 1;
}
