// The launcher's pictures as raw pixels inside the executable (made from the PNG files at
// build time): 8 bits a channel, RGB or RGBA, rows tightly packed.
#pragma once

#include <string_view>

struct EmbeddedPicture {
    std::string_view name;
    int width;
    int height;
    bool hasAlpha;
    const unsigned char* pixels;
};

// The picture of that name, or nullptr.
const EmbeddedPicture* findEmbeddedPicture(std::string_view name);
