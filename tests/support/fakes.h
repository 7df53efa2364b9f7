#pragma once
// Stand-ins for the platform services in native tests: each records what the dialog asked
// and answers what the test set up. Files use the real POSIX implementation.
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vokanti::testing {

class FakeProfile : public ProfileStore {
public:
    int32_t readInt(const char* section, const char* key, int32_t fallback) override {
        auto it = values.find(std::string(section) + "/" + key);
        return it == values.end() ? fallback : it->second;
    }
    bool writeInt(const char* section, const char* key, int32_t value) override {
        values[std::string(section) + "/" + key] = value;
        writes.push_back(key);
        return writesSucceed;
    }
    void set(const std::string& key, int32_t value) { values["Vokanti/" + key] = value; }
    std::optional<int32_t> get(const std::string& key) const {
        auto it = values.find("Vokanti/" + key);
        return it == values.end() ? std::nullopt : std::optional<int32_t>(it->second);
    }
    std::map<std::string, int32_t> values;  // "section/key"
    std::vector<std::string> writes;        // keys in the order written
    bool writesSucceed = true;
};

class FakePrompts : public Prompts {
public:
    struct Message {
        std::string caption, text;
    };
    void resultBox(const std::string& text) override { results.push_back(text); }
    bool confirm(const std::string& caption, const std::string& text) override {
        questions.push_back({caption, text});
        return confirmAnswer;
    }
    void showText(const std::string& caption, const std::string& text) override {
        texts.push_back({caption, text});
    }
    std::optional<std::string> openFile(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        if (fileAnswers.empty()) return std::nullopt;
        auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> favoriteTitle() override {
        ++titleDialogs;
        return titleAnswer;
    }
    void about() override { ++aboutBoxes; }

    std::vector<std::string> results;  // texts of result boxes, in order
    std::vector<Message> questions;    // confirm() calls
    std::vector<Message> texts;        // showText() calls
    std::vector<FileDialogRequest> fileDialogs;
    bool confirmAnswer = true;
    std::deque<std::optional<std::string>> fileAnswers;  // answers to openFile(), in order
    std::optional<std::string> titleAnswer;
    int titleDialogs = 0;
    int aboutBoxes = 0;
};

class FakeShell : public ShellServices {
public:
    int open(const std::string& file, const std::string&, const std::string&) override {
        opened.push_back(file);
        return 42;  // more than 32: opened
    }
    std::optional<std::string> desktopDirectory() override { return desktop; }

    std::vector<std::string> opened;  // files, in order
    std::optional<std::string> desktop = std::string("C:/Users/me/Desktop");
};

class FakeProcess : public ProcessServices {
public:
    std::string moduleFileName() override { return modulePath; }
    std::vector<std::string> arguments() override { return {}; }
    bool setCurrentDirectory(const std::string& path) override {
        currentDirectory = path;
        return true;
    }
    std::optional<uint32_t> runAndWait(const std::string& commandLine) override {
        started.push_back(commandLine);
        startDirectories.push_back(currentDirectory);
        return exitCode;
    }

    std::string modulePath;
    std::string currentDirectory;
    std::vector<std::string> started;           // command lines, in order
    std::vector<std::string> startDirectories;  // the current directory at each start
    std::optional<uint32_t> exitCode = 0u;      // absent: the engine cannot be started
};

}  // namespace vokanti::testing
