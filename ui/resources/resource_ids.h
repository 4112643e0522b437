// Resource ids shared by velmora.rc and the code that loads the resources.
#pragma once

#define IDI_VELMORA 1
