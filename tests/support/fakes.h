#pragma once
// Stand-ins for the platform services in native tests: each records what the dialog asked
// and answers what the test set up. Files use the real POSIX implementation.
#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vokanti::testing {

class FakeProfile : public ProfileStore {
public:
    std::string readText(const char* section, const char* key) override {
        EXPECT_STREQ(section, "Vokanti");
        return values.count(key) ? values[key] : std::string();
    }
    bool writeInt(const char* section, const char* key, int32_t value) override {
        EXPECT_STREQ(section, "Vokanti");
        values[key] = std::to_string(value);
        writes.push_back(key);
        return writesSucceed;
    }
    bool removeKey(const char* section, const char* key) override {
        EXPECT_STREQ(section, "Vokanti");
        values.erase(key);
        return writesSucceed;
    }
    std::map<std::string, std::string> values;  // by key, in the one section
    std::vector<std::string> writes;        // keys in the order written
    bool writesSucceed = true;
};

class FakePrompts : public Prompts {
public:
    struct Message { std::string caption, text; };
    void resultBox(const std::string& text) override { results.push_back(text); }
    bool confirm(const std::string& caption, const std::string& text) override {
        questions.push_back({caption, text});
        return confirmAnswer;
    }
    bool askYesNo(const std::string& text) override {
        yesNoQuestions.push_back(text);
        if (duringYesNo) duringYesNo();
        return yesNoAnswer;
    }
    void showText(const std::string& caption, const std::string& text) override {
        texts.push_back({caption, text});
    }
    std::optional<std::string> openFile(const FileDialogRequest& request) override {
        fileDialogs.push_back(request);
        std::optional<std::string> answer;
        if (!fileAnswers.empty()) answer = fileAnswers.front(), fileAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> favoriteTitle() override { return ++titleDialogs, titleAnswer; }
    std::optional<int32_t> knownLevel(int32_t current) override {
        levelsShown.push_back(current);
        return levelAnswer;
    }
    void about() override { ++aboutBoxes; }
    std::vector<int32_t> levelsShown;     // the level each level dialog opened with
    std::optional<int32_t> levelAnswer;  // what the level dialog answers (absent: cancel)

    std::vector<std::string> results;  // texts of result boxes, in order
    std::vector<Message> questions, texts;  // confirm() and showText() calls
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<std::optional<std::string>> fileAnswers;  // answers to openFile(), in order
    std::optional<std::string> titleAnswer;
    bool confirmAnswer = true;
    std::vector<std::string> yesNoQuestions;  // askYesNo() texts
    std::function<void()> duringYesNo;        // runs while the question is open
    bool yesNoAnswer = true;
    int titleDialogs = 0, aboutBoxes = 0;
};

class FakeShell : public ShellServices {
public:
    int open(const std::string& file, const std::string&, const std::string&) override {
        return opened.push_back(file), 42;  // more than 32: opened
    }
    std::optional<std::string> desktopDirectory() override { return desktop; }

    std::vector<std::string> opened;  // files, in order
    std::optional<std::string> desktop = std::string("C:/Users/me/Desktop");
};

class FakeProcess : public ProcessServices {
public:
    std::string moduleFileName() override { return modulePath; }
    std::vector<std::string> arguments() override { return {}; }
    bool setCurrentDirectory(const std::string& path) override { return currentDirectory = path, true; }
    ProcessRun runAndWait(const std::string& commandLine) override {
        started.push_back(commandLine);
        startDirectories.push_back(currentDirectory);
        if (!exitCode) return {};
        running = true;
        stopped = false;
        if (duringRun) duringRun();  // the user acts while the engine runs
        running = false;
        return stopped ? ProcessRun{ProcessRun::End::Stopped, 0} : ProcessRun{ProcessRun::End::Exited, *exitCode};
    }
    bool stopRunning() override {
        ++stopCalls;
        if (!running || endedByItself) return false;
        return stopped = true;
    }

    std::string modulePath, currentDirectory;
    std::vector<std::string> started, startDirectories;  // command lines and current directories
    std::optional<uint32_t> exitCode = 0u;      // absent: the engine cannot be started
    std::function<void()> duringRun;            // runs while the engine "runs"
    bool endedByItself = false;                 // the engine has ended before a stop comes
    bool running = false, stopped = false;
    int stopCalls = 0;
};

}  // namespace vokanti::testing
