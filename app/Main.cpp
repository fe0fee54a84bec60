#include <Loader.h>

int main()
{
    TxtLoader::createInstance();
    TxtLoader::releaseInstance();
    return 0;
}
