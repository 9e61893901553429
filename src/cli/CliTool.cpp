#include "CliTool.h"

#include "CommandDispatcher.h"
#include "TerminalProgressBar.h"
#include "VersionCommand.h"

namespace {

// Every command of the tool, in the order its help lists them.
CommandDispatcher makeDispatcher()
{
    CommandDispatcher dispatcher;
    dispatcher.add(std::make_unique<VersionCommand>());
    return dispatcher;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, CZelkHWI& device)
{
    CliContext context{out, err, device, TerminalProgressBar::kWindow};
    return makeDispatcher().dispatch(args, context);
}
