#include "GuiTestEnvironment.h"

int main (int argc, char** argv)
{
    testing::InitGoogleTest (&argc, argv);
    testing::AddGlobalTestEnvironment (new GuiTestEnvironment());
    return RUN_ALL_TESTS();
}
