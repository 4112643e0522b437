// Plain file-system helpers shared by the tests and the benchmarks.
#pragma once

#include <optional>
#include <string>

#include "core/text.h"

// Writes the whole file, replacing it; false when it cannot be written.
bool WriteBytes(const Text& path, const std::string& contents);
// The whole file, or nothing when it cannot be read.
std::optional<std::string> ReadBytes(const Text& path);
// Removes a folder with everything in it; links are removed, not followed.
void RemoveTree(const Text& path);
