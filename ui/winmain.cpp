#include <windows.h>

#include "ui/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return StartProgram();
}
