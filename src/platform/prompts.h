#pragma once
// Everything that asks or tells the user something in a window of its own.
#include <cstdint>
#include <optional>
#include <string>

namespace vokanti {

struct FileDialogRequest {
    std::string title;
    std::string filter;       // caption|patterns|caption|patterns||
    bool fileMustExist = false;
};

class Prompts {
public:
    virtual ~Prompts() = default;
    // The result box: OK button, exclamation icon, the application name as caption.
    virtual void resultBox(const std::string& text) = 0;
    // A question with OK and Cancel, no icon; true for OK.
    virtual bool confirm(const std::string& caption, const std::string& text) = 0;
    // A question in the result box's style (the application name as caption) with Yes and
    // No and the question icon; true for Yes.
    virtual bool askYesNo(const std::string& text) = 0;
    // A message with OK only and no icon.
    virtual void showText(const std::string& caption, const std::string& text) = 0;
    // The open-file dialog (read-only box hidden); the chosen full path, absent on cancel.
    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    // The favorite-title dialog; the title on OK (possibly empty), absent on cancel.
    virtual std::optional<std::string> favoriteTitle() = 0;
    // The known-words level dialog showing `current` (0 for no level); the level chosen on
    // OK, absent on cancel.
    virtual std::optional<int32_t> knownLevel(int32_t current) = 0;
    // The about box; returns when it is closed.
    virtual void about() = 0;
};

}  // namespace vokanti
