// The rendered pixels of the current context: glReadPixels of the surface
// into RGBA bytes, row 0 at the bottom (OpenGL's order), and a PNG writer
// for looking at a failing picture.
//
//   testsupport::PixelImage image = testsupport::ReadPixels(0, 0, 256, 256);
//   EXPECT_EQ(image.At(128, 128), (testsupport::Rgba{255, 0, 0, 255}));
//   image.SavePng("/tmp/view.png"); // written top row first, as seen
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

using Rgba = std::array<std::uint8_t, 4>;

struct PixelImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba; // width * height * 4, bottom row first

    // The pixel at column x, row y (y = 0 is the bottom); {0,0,0,0} outside.
    Rgba At(int x, int y) const;
    // Pixels whose red, green and blue differ from `colour` by more than
    // `tolerance` (alpha ignored).
    int CountDifferent(const Rgba& colour, int tolerance = 0) const;
    // Pixels within `tolerance` of `colour` (alpha ignored).
    int CountMatching(const Rgba& colour, int tolerance = 0) const;
    // Writes a PNG (top row first); false when it cannot be written.
    bool SavePng(const std::string& path) const;
};

// Finishes drawing and reads the rectangle from the current read buffer.
PixelImage ReadPixels(int x, int y, int width, int height);
// Reads the whole current viewport.
PixelImage ReadViewport();

} // namespace testsupport
