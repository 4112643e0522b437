// The system clipboard, as text (CF_TEXT, GBK).
#pragma once

#include "core/text.h"

// Puts the text on the clipboard in place of what it held; false when the
// clipboard could not be opened or would not take the text.
bool PutClipboardText(const Text& text);
// The clipboard's text; empty when it holds none or cannot be opened.
Text ClipboardText();
