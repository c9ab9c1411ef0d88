// A sample printer's property sheet opened by the reference host in a
// scratch prefix and driven by a script of user actions, with the record
// files it writes and a way to start the printer from a record of the
// test's own.
#pragma once

#include "devmode/devmode_record.h"
#include "tests/support/host_runner.h"
#include "tests/support/test_prefix.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

namespace kxtest {

class SheetFixture : public testing::Test {
protected:
    std::string Path(const std::string& name) const { return scratch.root() + "/" + name; }

    /// Plays `script` on the sheet of `pages` (e.g. "1" or "16,21"); the
    /// pictures land in the scratch folder.
    HostRun PlaySheet(const std::string& printer, const std::string& pages,
                      const std::string& script, const std::string& extra = "",
                      const std::string& language = "409") {
        std::ofstream(Path("script.txt")) << script;
        return RunHost(prefix,
                       "sheet '" + printer + "' '" + Path("script.txt") + "' --pages " + pages +
                           " --png-dir '" + scratch.root() + "' " + extra,
                       "KX_LANGID=" + language + " KX_HEADLESS=1");
    }

    /// A record file the host wrote, at most one record long.
    std::string ReadFile(const std::string& name) const {
        std::string bytes(kx::kDevmodeSize, '\0');
        std::ifstream file(Path(name), std::ios::binary);
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(file.gcount()));
        return bytes;
    }

    /// Makes the printer start from its fresh record changed by `change`.
    void StartFrom(const std::string& printer, const std::function<void(BYTE*)>& change,
                   const std::string& pages = "0") {
        const auto fresh = RunHost(prefix,
                                   "open-sheet '" + printer + "' --pages " + pages +
                                       " --actions cancel --out '" + Path("fresh.dm") + "'",
                                   "KX_LANGID=409");
        ASSERT_EQ(ExitCode(fresh), 0) << fresh.output;
        std::string record = ReadFile("fresh.dm");
        ASSERT_EQ(record.size(), kx::kDevmodeSize);
        change(reinterpret_cast<BYTE*>(record.data()));
        const auto imported = ImportPrinterDefault(prefix, printer, record, Path("default.reg"));
        ASSERT_EQ(imported.status, 0) << imported.output;
    }

    static void Set(BYTE* record, const char* name, int64_t value) {
        const kx::DevmodeField* field = kx::FindDevmodeField(name);
        ASSERT_NE(field, nullptr) << name;
        kx::WriteNumber(record, *field, value);
    }

    TestPrefix scratch;
    std::string prefix = scratch.root() + "/prefix";
};

} // namespace kxtest
