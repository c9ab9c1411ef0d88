// The reference host's command table: each command group registers its
// commands from its own source file.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kxhost {

using Arguments = std::vector<std::string>;

struct HostCommand {
    std::string_view name;
    std::string_view usage;   // arguments, shown in the help
    std::string_view summary; // one line
    int (*run)(const Arguments& arguments);
};

/// Adds a command; returns true so it can initialise a namespace-scope flag.
bool RegisterCommand(const HostCommand& command);
const std::vector<HostCommand>& Commands();

/// The prefix the host works on, created from the bundled sample on first use.
/// Prints a message and returns false when it cannot be made.
bool EnsurePrefix();
/// For a command that only reads: a prefix in use is left exactly as it is
/// and its hives are opened for reading only, so the command works on a
/// full disk (an export rescues the user's data); a new prefix is made as
/// EnsurePrefix makes it.
bool EnsurePrefixToRead();

/// The folder of the bundled sample ("embedded default") prefix template.
std::string TemplateFolder();

} // namespace kxhost
