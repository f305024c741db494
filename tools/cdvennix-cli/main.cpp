// cdvennix-cli: the design document and the cut-out form without a window.
#include "CliCommand.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <iostream>

namespace {

std::vector<CliCommand> &registry()
{
    static std::vector<CliCommand> commands;
    return commands;
}

void printUsage(std::ostream &out)
{
    out << "Usage: cdvennix-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const CliCommand &command : cliCommands()) {
        const std::string head = std::string(command.name) + " " + command.arguments;
        out << "  " << head;
        for (std::size_t i = head.size(); i < 34; ++i)
            out << ' ';
        out << ' ' << command.summary << '\n';
    }
}

} // namespace

CliCommandRegistration::CliCommandRegistration(const CliCommand &command)
{
    registry().push_back(command);
}

std::vector<CliCommand> cliCommands()
{
    std::vector<CliCommand> commands = registry();
    std::sort(commands.begin(), commands.end(), [](const CliCommand &a, const CliCommand &b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    return commands;
}

void printCliError(const std::string &message)
{
    std::cerr << "cdvennix-cli: " << message << '\n';
}

int printCommandUsage(const char *commandName)
{
    for (const CliCommand &command : registry()) {
        if (std::strcmp(command.name, commandName) == 0)
            std::cerr << "Usage: cdvennix-cli " << command.name << ' ' << command.arguments << '\n';
    }
    return kExitUsage;
}

int main(int argc, char **argv)
{
    if (argc < 2) {
        printUsage(std::cerr);
        return kExitUsage;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help" || name == "-h") {
        printUsage(std::cout);
        return kExitOk;
    }
    for (const CliCommand &command : registry()) {
        if (name != command.name)
            continue;
        try {
            return command.run(std::vector<std::string>(argv + 2, argv + argc));
        } catch (const std::exception &e) {
            printCliError(e.what());
            return kExitFailure;
        }
    }
    printCliError("unknown command '" + name + "'");
    printUsage(std::cerr);
    return kExitUsage;
}
