#include "CommandDispatcher.h"

#include <algorithm>

namespace {

bool isHelpOption(std::string_view arg) { return arg == "--help" || arg == "-h"; }

std::string seeHelp() { return " (see " + std::string(CommandDispatcher::kProgram) + " --help)"; }

}  // namespace

void CommandDispatcher::add(std::unique_ptr<CliCommand> command) { commands_.push_back(std::move(command)); }

int CommandDispatcher::dispatch(const std::vector<std::string>& args, CliContext& context) const
{
    if (args.empty()) return context.fail("No command given" + seeHelp());
    const std::string& first = args.front();
    if (isHelpOption(first) || first == "help") return help(args, context);
    if (first.starts_with('-')) return context.fail("Unknown option \"" + first + "\"" + seeHelp());

    const CliCommand* command = find(first);
    if (command == nullptr) return context.fail("Unknown command \"" + first + "\"" + seeHelp());
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (std::any_of(rest.begin(), rest.end(), isHelpOption)) {
        printCommandHelp(*command, context.out);
        return 0;
    }
    return command->run(rest, context);
}

const CliCommand* CommandDispatcher::find(std::string_view name) const
{
    for (const auto& command : commands_)
        if (command->name() == name) return command.get();
    return nullptr;
}

int CommandDispatcher::help(const std::vector<std::string>& args, CliContext& context) const
{
    if (args.size() < 2 || isHelpOption(args[1])) {
        printToolHelp(context.out);
        return 0;
    }
    const CliCommand* command = find(args[1]);
    if (command == nullptr) return context.fail("Unknown command \"" + args[1] + "\"" + seeHelp());
    printCommandHelp(*command, context.out);
    return 0;
}

void CommandDispatcher::printToolHelp(std::ostream& out) const
{
    out << "Usage: " << kProgram << " <command> [arguments]\n"
        << "       " << kProgram << " <command> --help\n\n"
        << "Configures the VornicTamsk keyboard. The simulated keyboard keeps its memory in\n"
        << "$XDG_STATE_HOME/vornictamsk/keyboard.state; XDG_STATE_HOME defaults to ~/.local/state.\n\n"
        << "Commands:\n";
    std::size_t width = 0;
    for (const auto& command : commands_) width = std::max(width, command->name().size());
    for (const auto& command : commands_)
        out << "  " << command->name() << std::string(width - command->name().size() + 3, ' ')
            << command->summary() << '\n';
}

void CommandDispatcher::printCommandHelp(const CliCommand& command, std::ostream& out)
{
    out << "Usage: " << kProgram << ' ' << command.name();
    if (!command.arguments().empty()) out << ' ' << command.arguments();
    out << "\n\n" << command.description() << '\n';
}
