#include <gtest/gtest.h>

#include "ui/program.h"

int main(int argc, char** argv)
{
    InitPlatformLayer();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
