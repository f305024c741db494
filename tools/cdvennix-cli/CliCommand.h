#pragma once

#include <string>
#include <vector>

// One sub-command of cdvennix-cli. Every source file of the tool may add its own commands with
// a CliCommandRegistration at namespace scope; main() dispatches on the first argument.
struct CliCommand
{
    const char *name; // "dump"
    const char *arguments; // "FILE.vnx", shown in the usage text
    const char *summary; // one line for the usage text
    // Runs with the arguments after the command's name. Returns the exit status; errors are
    // written to stderr by the command (or thrown, and main() writes their message).
    int (*run)(const std::vector<std::string> &arguments);
};

// Exit statuses shared by all commands.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1; // the work failed: the message says why
inline constexpr int kExitUsage = 2; // wrong arguments

class CliCommandRegistration
{
public:
    explicit CliCommandRegistration(const CliCommand &command);
};

// All registered commands, sorted by name.
std::vector<CliCommand> cliCommands();

// Prints "cdvennix-cli: <message>" to stderr.
void printCliError(const std::string &message);
// Prints the usage line of one command to stderr and returns kExitUsage.
int printCommandUsage(const char *commandName);
