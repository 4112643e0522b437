#include "core/shell_command.h"

Text CommandLineFor(const Text& registeredCommand, const Text& argument)
{
    // '%' and '"' never occur as the second byte of a GBK character, so a
    // byte search finds only real ones.
    size_t cut = registeredCommand.find("%1");
    if (cut == Text::npos)
        cut = registeredCommand.size();
    else if (cut > 0 && registeredCommand[cut - 1] == '"' && registeredCommand.compare(cut + 2, 1, "\"") == 0)
        --cut;
    return JoinTexts({std::string_view(registeredCommand).substr(0, cut), " ", argument});
}
