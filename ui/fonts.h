// The fonts the program's windows use. A stored font has an empty face name,
// so the system picks its default face for the default character set.
#pragma once

#include <windows.h>

HFONT DefaultGuiFont();
// A font of this pixel height (lfHeight = -height) and weight, made once and
// kept until ReleaseStoredFonts.
HFONT StoredFont(int height, int weight);
// A font of the given face and point size, kept the same way.
HFONT StoredFaceFont(const char* face, int points);
void ReleaseStoredFonts();
