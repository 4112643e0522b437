#include "ui/fonts.h"

#include <cstring>
#include <vector>

namespace {

struct KeptFont {
    LOGFONTA logFont;
    HFONT font;
};

std::vector<KeptFont> g_fonts;

HFONT KeptFontFor(const LOGFONTA& logFont)
{
    for (const KeptFont& kept : g_fonts)
        if (std::memcmp(&kept.logFont, &logFont, sizeof(logFont)) == 0)
            return kept.font;
    const HFONT font = CreateFontIndirectA(&logFont);
    g_fonts.push_back({logFont, font});
    return font;
}

LOGFONTA BaseLogFont(int height, int weight)
{
    LOGFONTA logFont = {};
    logFont.lfHeight = height;
    logFont.lfWeight = weight;
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfQuality = PROOF_QUALITY;
    return logFont;
}

}  // namespace

HFONT DefaultGuiFont()
{
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HFONT StoredFont(int height, int weight)
{
    return KeptFontFor(BaseLogFont(-height, weight));
}

HFONT StoredFaceFont(const char* face, int points)
{
    const HDC screen = GetDC(nullptr);
    LOGFONTA logFont = BaseLogFont(-MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72), FW_NORMAL);
    ReleaseDC(nullptr, screen);
    lstrcpynA(logFont.lfFaceName, face, LF_FACESIZE);
    return KeptFontFor(logFont);
}

void ReleaseStoredFonts()
{
    for (const KeptFont& kept : g_fonts)
        DeleteObject(kept.font);
    g_fonts.clear();
}
