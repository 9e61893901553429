#include "CZelkHWI.h"
#include "CliTool.h"
#include "MessageSink.h"
#include "TerminalProgressBar.h"

#include <iostream>
#include <unistd.h>

int main(int argc, char** argv)
{
    TerminalProgressBar progress(std::cerr, ::isatty(STDERR_FILENO) == 1);
    setMessageSink(&progress);
    int status = 0;
    {
        CZelkHWI device;
        status = runCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr, device);
    }
    progress.finish();
    setMessageSink(nullptr);
    return status;
}
