// Bitmap font for the model view's text: glyphs of a monospace font (found
// with fontconfig, DejaVu Sans Mono as the known fallback) rasterised by
// FreeType and compiled into one glBitmap display list per character code,
// as the classic "font bitmaps" call gave them. Character codes 128..255 are
// read as Windows-1252. Owned by whoever builds the lists (a GLSurface);
// the lists themselves belong to the current GL context.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

class BitmapFont {
public:
    // One rasterised glyph: rows bottom-up, each row padded to whole bytes,
    // most significant bit leftmost (the unpacking glBitmap expects with an
    // unpack alignment of 1).
    struct Glyph {
        int width = 0;
        int height = 0;
        float xorig = 0.0f; // glBitmap origin: pixels from the bitmap's left
        float yorig = 0.0f; // and bottom edges to the raster position
        float xmove = 0.0f; // raster position advance
        std::vector<std::uint8_t> bits;
    };

    // Pixel height of the em square used for the view's text.
    static constexpr int kDefaultPixelSize = 13;

    // `fontFile` names the font to use; empty finds the monospace font.
    explicit BitmapFont(int pixelSize = kDefaultPixelSize, std::string fontFile = std::string());

    // The font file: fontconfig's match for "monospace", else the known
    // DejaVu Sans Mono path; empty when neither exists.
    static std::string FindMonospaceFont();

    // Rasterises the glyphs of codes 0..255 (once per process, font and size).
    // False when no font could be loaded; the glyphs are then empty bitmaps
    // that still advance the raster position by a fixed cell width.
    bool Load();
    bool Loaded() const { return m_loaded; }
    const Glyph& GlyphFor(unsigned char code) const { return m_glyphs[code]; }
    // The font file in use (after Load).
    const std::string& FontFile() const { return m_file; }

    // Compiles lists listBase .. listBase + count - 1 for codes first ..
    // first + count - 1 (codes above 255 get empty lists) in the current
    // context. Returns false when there is no context, the lists could not be
    // compiled or the font is missing (the lists are built anyway).
    bool BuildLists(unsigned first, unsigned count, unsigned listBase);

private:
    int m_pixelSize;
    std::string m_requestedFile;
    bool m_loaded = false;
    std::string m_file;
    std::vector<Glyph> m_glyphs;
};

} // namespace platform
