#include "view/BitmapFont.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <utility>

namespace platform {

namespace {

const char* const kKnownMonospaceFonts[] = {
    "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf",
    "/usr/share/fonts/dejavu/DejaVuSansMono.ttf",
    "/usr/share/fonts/TTF/DejaVuSansMono.ttf",
};

// Unicode code point of a Windows-1252 character code; the five codes the
// code page leaves undefined map to themselves (control characters).
unsigned CodePoint(unsigned code)
{
    static const unsigned short high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (code >= 0x80 && code < 0xA0)
        return high[code - 0x80];
    return code;
}

bool IsControl(unsigned codePoint)
{
    return codePoint < 0x20 || (codePoint >= 0x7F && codePoint < 0xA0);
}

struct LoadedFont {
    bool loaded = false;
    std::string file;
    std::vector<BitmapFont::Glyph> glyphs;
};

// Turns the glyph in the face's slot into a bottom-up 1-bit bitmap.
BitmapFont::Glyph FromSlot(FT_GlyphSlot slot, bool keepBitmap)
{
    BitmapFont::Glyph glyph;
    glyph.xmove = static_cast<float>((slot->advance.x + 32) >> 6);
    const FT_Bitmap& bitmap = slot->bitmap;
    if (!keepBitmap || bitmap.width == 0 || bitmap.rows == 0 ||
        bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
        return glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.height = static_cast<int>(bitmap.rows);
    glyph.xorig = static_cast<float>(-slot->bitmap_left);
    glyph.yorig = static_cast<float>(glyph.height - slot->bitmap_top);
    const int rowBytes = (glyph.width + 7) / 8;
    const int pitch = std::abs(bitmap.pitch);
    glyph.bits.resize(static_cast<size_t>(rowBytes * glyph.height));
    for (int r = 0; r < glyph.height; ++r) {
        // FreeType rows run top-down for a positive pitch; glBitmap wants
        // the bottom row first.
        const int sourceRow = bitmap.pitch >= 0 ? r : glyph.height - 1 - r;
        const unsigned char* src = bitmap.buffer + static_cast<size_t>(sourceRow) * static_cast<size_t>(pitch);
        std::copy(src, src + rowBytes,
                  glyph.bits.begin() + static_cast<long>(glyph.height - 1 - r) * rowBytes);
    }
    return glyph;
}

LoadedFont Rasterise(const std::string& file, int pixelSize)
{
    LoadedFont font;
    font.glyphs.resize(256);
    font.file = file;

    FT_Library library = nullptr;
    FT_Face face = nullptr;
    if (!font.file.empty() && FT_Init_FreeType(&library) == 0) {
        if (FT_New_Face(library, font.file.c_str(), 0, &face) == 0 &&
            FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize)) == 0) {
            font.loaded = true;
            // Control codes draw nothing but keep the cell width.
            float cell = static_cast<float>(pixelSize * 6 / 10);
            if (FT_Load_Char(face, 'M', FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) == 0)
                cell = static_cast<float>((face->glyph->advance.x + 32) >> 6);
            for (unsigned code = 0; code < 256; ++code) {
                const unsigned cp = CodePoint(code);
                if (IsControl(cp)) {
                    font.glyphs[code].xmove = cell;
                    continue;
                }
                const FT_UInt index = FT_Get_Char_Index(face, cp);
                if (FT_Load_Glyph(face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0) {
                    font.glyphs[code].xmove = cell;
                    continue;
                }
                if (face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_MONO)
                    FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO);
                font.glyphs[code] = FromSlot(face->glyph, true);
            }
        }
        if (face != nullptr)
            FT_Done_Face(face);
        FT_Done_FreeType(library);
    }
    if (!font.loaded) {
        const float cell = static_cast<float>(std::max(pixelSize * 6 / 10, 1));
        for (auto& glyph : font.glyphs)
            glyph = BitmapFont::Glyph{0, 0, 0.0f, 0.0f, cell, {}};
    }
    return font;
}

} // namespace

BitmapFont::BitmapFont(int pixelSize, std::string fontFile)
    : m_pixelSize(std::max(pixelSize, 1)), m_requestedFile(std::move(fontFile))
{
}

std::string BitmapFont::FindMonospaceFont()
{
    std::string file;
    if (FcInit()) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("monospace"));
        if (pattern != nullptr) {
            FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
            FcDefaultSubstitute(pattern);
            FcResult result = FcResultNoMatch;
            FcPattern* match = FcFontMatch(nullptr, pattern, &result);
            if (match != nullptr) {
                FcChar8* path = nullptr;
                if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path != nullptr)
                    file = reinterpret_cast<const char*>(path);
                FcPatternDestroy(match);
            }
            FcPatternDestroy(pattern);
        }
    }
    std::error_code ec;
    if (!file.empty() && std::filesystem::is_regular_file(file, ec))
        return file;
    for (const char* known : kKnownMonospaceFonts)
        if (std::filesystem::is_regular_file(known, ec))
            return known;
    return std::string();
}

bool BitmapFont::Load()
{
    // Rasterising 256 glyphs is done once per size for the whole process;
    // every new context only compiles its lists.
    static std::map<std::pair<std::string, int>, LoadedFont> cache;
    static const std::string monospace = FindMonospaceFont();
    const auto key = std::make_pair(m_requestedFile.empty() ? monospace : m_requestedFile, m_pixelSize);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.emplace(key, Rasterise(key.first, m_pixelSize)).first;
    m_loaded = it->second.loaded;
    m_file = it->second.file;
    m_glyphs = it->second.glyphs;
    return m_loaded;
}

bool BitmapFont::BuildLists(unsigned first, unsigned count, unsigned listBase)
{
    if (glGetString(GL_VERSION) == nullptr)
        return false; // no current context
    if (m_glyphs.empty())
        Load();

    // The bitmaps are unpacked when each list is compiled: tight rows.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    // Mesa reports GL_OUT_OF_MEMORY when a list compiles a glBitmap without
    // data, even an empty one: blank glyphs point at a spare byte.
    static const GLubyte kNoBits = 0;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned code = first + i;
        glNewList(listBase + i, GL_COMPILE);
        if (code < m_glyphs.size()) {
            const Glyph& g = m_glyphs[code];
            const bool blank = g.bits.empty() || g.width == 0 || g.height == 0;
            glBitmap(blank ? 0 : g.width, blank ? 0 : g.height, g.xorig, g.yorig, g.xmove, 0.0f,
                     blank ? &kNoBits : g.bits.data());
        }
        glEndList();
    }
    glPopClientAttrib();
    return m_loaded && (count == 0 || glIsList(listBase) == GL_TRUE);
}

} // namespace platform
