#pragma once
// A main dialog over the in-memory form and fake services, in a temporary program
// directory of its own (with env/ and an engine file), for native tests.
#include <gtest/gtest.h>
#include <sys/time.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/messages.h"
#include "platform/posix/posix_file_system.h"
#include "support/dialog_access.h"
#include "support/fakes.h"
#include "support/faulty_file_system.h"
#include "support/memory_form.h"
#include "support/temp_dir.h"
#include "ui/vokanti_dlg.h"

namespace vokanti::testing {

using Entries = std::vector<std::string>;

class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        addMainDialogControls(form);
        process.modulePath = dir.path() + "/Vokanti.exe";
        writeFile("vokan.exe", "");
        std::filesystem::create_directory(dir.path() + "/env");
        dlg.ProgramDir = programDir();
        dlg.writeForm();  // the number fields hold valid values, as after start-up
    }

    // The program directory ("/" at the end), as resolveProgramDir() sets it.
    std::string programDir() const { return dir.path() + "/"; }
    // Files of the program directory, byte for byte; `stamp` sets the last-write time.
    void writeFile(const std::string& relative, const std::string& content, time_t stamp = 0) {
        dir.write(relative, content);
        const timeval times[2] = {{stamp, 0}, {stamp, 0}};
        EXPECT_TRUE(!stamp || ::utimes(dir.file(relative).c_str(), times) == 0);
    }
    std::string readFile(const std::string& relative) const { return dir.read(relative); }
    bool fileExists(const std::string& relative) const { return std::filesystem::exists(dir.file(relative)); }
    // The entries of a list, top first.
    Entries entries(int id) const { return form.entries(id); }

    TempDir dir;
    MemoryForm form;
    FakeProfile profile;
    PosixFileSystem files;
    FaultyFileSystem faulty{files};  // the dialog's files: no faults until a test sets one
    FakeProcess process;
    FakeShell shell;
    FakePrompts prompts;
    Platform platform{profile, faulty, process, shell, prompts};
    CVokantiDlg dialog{form, platform};
    DialogAccess dlg{dialog};
};

}  // namespace vokanti::testing
