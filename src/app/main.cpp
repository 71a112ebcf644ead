#include "app/commandline.h"
#include "app/debugoutput.h"
#include "app/startup.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    if (const auto answer = commandLineAnswer(argc, argv)) {
        std::fputs(answer->c_str(), stdout);
        return 0;
    }
    DebugOutput::quietByDefault();
    DebugOutput::install();
    return runCirrovanta(argc, argv);
}
