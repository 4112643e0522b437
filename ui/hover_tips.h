// The balloon tips that describe some of the main window's controls.
#pragma once

#include "core/text.h"
#include "ui/controls.h"

// Makes the tip component 气球提示框1 and attaches the seven tips.
void AttachHoverTips();
// Attaches a tip covering the whole control, without icon or title.
bool HoverTip(ControlName control, const Text& tipText);
