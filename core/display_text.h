// The texts the result list, the details box and the reports show for a
// modification time and a byte count.
#pragma once

#include <cstdint>

#include "core/datetime.h"
#include "core/text.h"

Text FormatTimestamp(DateTime d);
Text FormatSize(int64_t size);
