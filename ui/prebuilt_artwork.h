// The artwork's pixels as the build drew them (ui/artwork_generator.cpp writes the source that holds
// them), for ui/prebuilt_artwork.cpp to show without drawing.
#pragma once

#include <span>

namespace pumpvale::artwork {

// One picture: rows of 32-bit pixels in the given QImage::Format, without padding.
struct PrebuiltPixels {
    int picture; // the index in kPrebuiltPictures, or kIcon
    int key;     // the screen's pixel ratio in hundredths, or for the icon its size in pixels
    int width;
    int height;
    int format;
    const unsigned char* pixels;
};
inline constexpr int kIcon = -1;

std::span<const PrebuiltPixels> prebuiltPixels();

} // namespace pumpvale::artwork
