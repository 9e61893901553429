#include "CliTool.h"

#include "CheckCommand.h"
#include "CommandDispatcher.h"
#include "DescribeCommand.h"
#include "EncodeCommand.h"
#include "FirmwareCommand.h"
#include "NewCommand.h"
#include "ReadCommand.h"
#include "TerminalProgressBar.h"
#include "VersionCommand.h"
#include "WriteCommand.h"

namespace {

// Every command of the tool, in the order its help lists them.
CommandDispatcher makeDispatcher()
{
    CommandDispatcher dispatcher;
    dispatcher.add(std::make_unique<VersionCommand>());
    dispatcher.add(std::make_unique<NewCommand>());
    dispatcher.add(std::make_unique<DescribeCommand>());
    dispatcher.add(std::make_unique<EncodeCommand>());
    dispatcher.add(std::make_unique<CheckCommand>());
    dispatcher.add(std::make_unique<WriteCommand>());
    dispatcher.add(std::make_unique<ReadCommand>());
    dispatcher.add(std::make_unique<FirmwareCommand>());
    return dispatcher;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, CZelkHWI& device)
{
    CliContext context{out, err, device, TerminalProgressBar::kWindow};
    return makeDispatcher().dispatch(args, context);
}
