#pragma once
// A main dialog over the in-memory form and fake services, in a temporary program
// directory of its own (with env/ and an engine file), for native tests.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "core/control_ids.h"
#include "core/memory_form.h"
#include "platform/posix/posix_file_system.h"
#include "support/fakes.h"
#include "support/temp_dir.h"
#include "ui/main_dialog_controls.h"
#include "ui/vokanti_dlg.h"

namespace vokanti::testing {

class DialogTest : public ::testing::Test {
protected:
    DialogTest() {
        addMainDialogControls(form);
        process.modulePath = dir.path() + "/Vokanti.exe";
        writeFile("vokan.exe", "");
        dir.makeDir("env");
    }

    // The dialog's program directory ("/" at the end), as resolveProgramDir() sets it.
    std::string programDir() const { return dir.path() + "/"; }

    // Writes `content` byte for byte to a file of the program directory.
    void writeFile(const std::string& relative, const std::string& content) {
        std::ofstream(dir.path() + "/" + relative, std::ios::binary) << content;
    }
    std::string readFile(const std::string& relative) const {
        std::ifstream in(dir.path() + "/" + relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    bool fileExists(const std::string& relative) const {
        return std::ifstream(dir.path() + "/" + relative).good();
    }

    // The entries of a list, top first.
    std::vector<std::string> entries(int id) const {
        std::vector<std::string> out;
        for (int i = 0; i < form.entryCount(id); ++i) out.push_back(form.entry(id, i));
        return out;
    }

    TempDir dir;
    MemoryForm form;
    FakeProfile profile;
    PosixFileSystem files;
    FakeProcess process;
    FakeShell shell;
    FakePrompts prompts;
    Platform platform{profile, files, process, shell, prompts};
    CVokantiDlg dlg{form, platform};
};

}  // namespace vokanti::testing
