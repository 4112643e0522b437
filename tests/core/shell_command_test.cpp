// The command line that opens a link with the program registered for a file type.
#include <gtest/gtest.h>

#include "core/shell_command.h"
#include "tests/core/expect_each.h"

TEST(CommandLineFor, CutsTheRegisteredCommandAtItsFirstPlaceholder)
{
    const Text link = "mailto:velmora@example.com";
    ExpectEach<Text, Text>([&](const Text& registered) { return CommandLineFor(registered, link); },
                           {
                               // The quoted placeholder goes with its quotation marks; what follows is dropped.
                               {"\"C:\\web\\browser.exe\" \"%1\" -new", "\"C:\\web\\browser.exe\"  " + link},
                               {"C:\\web\\browser.exe %1", "C:\\web\\browser.exe  " + link},
                               {"browser.exe -url %1 %1", "browser.exe -url  " + link},
                               // Only a placeholder between two quotation marks takes them along.
                               {"browser.exe \"%1", "browser.exe \" " + link},
                               {"browser.exe %1\"", "browser.exe  " + link},
                               {"%1", " " + link},
                               {"\"%1\"", " " + link},
                               // Without a placeholder the command stays whole.
                               {"\"C:\\web\\browser.exe\" -nohome", "\"C:\\web\\browser.exe\" -nohome " + link},
                               {"", " " + link},
                               // A path with 俓, whose second byte is a backslash, is kept as it is.
                               {"\"C:\\俓\\b.exe\" \"%1\"", "\"C:\\俓\\b.exe\"  " + link},
                           });
}
