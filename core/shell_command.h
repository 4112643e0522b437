// Command lines built from the commands the system registers for file types.
#pragma once

#include "core/text.h"

// The registered command (such as `"C:\browser.exe" "%1"`) cut at its first
// "%1", with the quotation marks around that "%1" when it has them, or whole
// when it has none; then one space and the argument.
Text CommandLineFor(const Text& registeredCommand, const Text& argument);
