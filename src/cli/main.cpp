#include "commandline.h"

int main(int argc, char **argv)
{
    return zor::runCommandLine(argc, argv);
}
