// Runs the reference host program as a user runs it and collects what it
// prints (standard output and error together).
#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace kxtest {

struct HostRun {
    int status;
    std::string output;
};

/// Runs `kxhost --prefix PREFIX ARGUMENTS`, with `environment` ("NAME=value ...")
/// set for the run.
inline HostRun RunHost(const std::string& prefix, const std::string& arguments,
                       const std::string& environment = "") {
    const std::string command = (environment.empty() ? "" : "env " + environment + " ") +
                                std::string(KX_HOST_PROGRAM) + " --prefix '" + prefix + "' " +
                                arguments + " 2>&1";
    HostRun run{-1, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    std::array<char, 4096> buffer;
    size_t got = 0;
    while ((got = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.output.append(buffer.data(), got);
    run.status = pclose(pipe);
    return run;
}

/// The program's exit status, or -1 when it did not exit normally.
inline int ExitCode(const HostRun& run) {
    return WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
}

inline bool Contains(const std::string& output, const std::string& text) {
    return output.find(text) != std::string::npos;
}

/// Makes `bytes` the printer's global default device mode through a `.reg`
/// file written at regPath and imported with `kxhost reg import`.
inline HostRun ImportPrinterDefault(const std::string& prefix, const std::string& printer,
                                    const std::string& bytes, const std::string& regPath) {
    std::string hex;
    for (const char byte : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02x", static_cast<unsigned char>(byte));
        hex += (hex.empty() ? "" : ",") + std::string(digits);
    }
    std::ofstream(regPath)
        << "Windows Registry Editor Version 5.00\r\n\r\n"
        << "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Control\\Print\\Printers\\" << printer
        << "]\r\n"
        << "\"Default DevMode\"=hex:" << hex << "\r\n";
    return RunHost(prefix, "reg import '" + regPath + "'");
}

} // namespace kxtest
