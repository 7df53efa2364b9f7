#pragma once
// The main dialog's logic: every operation of the window, portable C++ over the form and
// the platform services. The Win32 host (ui/win32) owns the window-only parts (icon,
// bitmaps, menus, tooltips) and delivers events through onEvent() and the message map.
//
// The data lives in the models of src/lists (histories, dictionary list, favorites) and in
// JobOptions; the controls only show it. The operations are implemented by subject:
//   vokanti_dlg_settings.cpp   form exchange, profile, option rules, output naming,
//                              command line
//   vokanti_dlg_job.cpp        job run, batch start, exit
//   vokanti_dlg_history.cpp    program directory, histories, horizontal extents
//   vokanti_dlg_dictionary.cpp dictionary list
//   vokanti_dlg_favorites.cpp  favorites and the list tabs
//   vokanti_dlg_shell.cpp      shell actions, command viewer, about box
//   vokanti_dlg_known.cpp      known-words level, known-words file, adding an output's words
//   vokanti_dlg_drop.cpp       documents, links and dictionaries dropped on the window
//   vokanti_dlg_routing.cpp    message map, pre-translation, start-up, routing-only operations
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/exchange.h"
#include "core/job_options.h"
#include "core/result_message.h"
#include "lists/dictionary_list.h"
#include "lists/favorites.h"
#include "lists/history.h"
#include "platform/platform.h"
#include "ui/dialog.h"

namespace vokanti {

// What the main dialog asks of its window that only the window layer can do.
class MainWindowHost {
public:
    virtual ~MainWindowHost() = default;
    // Paints the icon centred while the window is minimised; false when it is not
    // minimised (the platform then paints as usual).
    virtual bool paintMinimisedIcon() = 0;
    // The icon handle answered to WM_QUERYDRAGICON.
    virtual intptr_t dragIcon() = 0;
    // Shows the context menu at a screen point; false when no context menu is loaded.
    virtual bool trackContextMenu(int x, int y) = 0;
    // Places the tab control and the two list boxes on top of each other inside it.
    virtual void placeListTabs() = 0;
    // Shows the window before its initialisation has ended (batch start runs a job there),
    // so that the user can stop the job.
    virtual void showDuringInitialisation() = 0;
    // The engine starts (true) or has ended (false): the window takes no drops meanwhile, so
    // that a program dragging onto it is told so at once rather than kept waiting.
    virtual void engineRunning(bool running) = 0;
};

class CVokantiDlg;

// What the user dropped on the window, as the window layer read it.
struct Drop {
    struct File {
        std::string path;  // full path
        bool folder = false;
    };
    std::vector<File> files;    // in the order they came; empty when text came
    std::string text;           // a link dropped from a browser, or other text
    bool onDictionary = false;  // dropped on the dictionary box
};

// One entry of the message map: {event, notification code, control or command id, handler}.
struct MessageMapEntry {
    EventKind kind;
    int code;  // notification code; ignored for SysCommand, Paint, QueryDragIcon, ContextMenu
    int id;    // control or command id; 0 for events without one
    EventResult (*handler)(CVokantiDlg&, const DialogEvent&);
};

namespace testing {
class DialogAccess;  // the native tests' one way to the dialog's state
}  // namespace testing

class CVokantiDlg : public CDialog, private ComboEntries {
public:
    CVokantiDlg(Form& form, Platform& platform);
    ~CVokantiDlg() override;

    void setHost(MainWindowHost* host) { host_ = host; }

    bool doDataExchange(bool save) override;
    bool preTranslate(const QueuedMessage& message) override;
    bool initDialog() override;  // the portable steps of start-up
    void onOK() override;        // runJob()
    void onCancel() override;    // exitDialog()
    EventResult onEvent(const DialogEvent& event) override;
    // Searched in order; the first entry that matches handles the event. OK and Cancel have
    // no entry: they fall to onOK() and onCancel().
    static const std::vector<MessageMapEntry>& messageMap();

    // --- Dropping documents and links on the window ---------------------------------------
    // False while the engine runs: nothing is taken then.
    bool acceptsDrop() const { return !engineRunning_; }
    // A file becomes the input as if chosen with the input file dialog; a link as if typed
    // and proposed from; a dictionary file dropped on the dictionary box is added to it.
    void takeDrop(const Drop& drop);

private:
    friend class testing::DialogAccess;

    // --- Form exchange, profile and option rules ----------------------------------------
    // Reads the form; on a rejected integer shows the message, focuses and selects the field,
    // and the caller goes on with the values the options then hold.
    void readForm();
    void writeForm();
    int findEqualEntry(int id, const std::string& text) const override;
    void loadSettings();
    void saveSettings();
    void applyIgnoreListRule();
    void applyQuestionRule();
    void applyCutRule();
    void applyNoDictPreset();
    void reproposeIfOutputSet();
    void proposeOutputName();
    void onDownloadOnlyClicked();  // proposeOutputName(), then write the form
    // The rules that end loading and refreshing: question, download-only proposal, ignore
    // list, cut, the proposal, and the re-proposal twice.
    void applyOptionRules();

    // --- Command line, job run, batch start, exit -----------------------------------------
    // Reads the form, brings the numbers into the engine's bounds (kept in the options), and
    // builds the command line.
    std::string buildCommandLine();
    void runJob();
    // Reports a command line too long for the platform; false then.
    bool commandLineFits(const std::string& commandLine);
    // Runs the engine with `commandLine` in ProgramDir, waits for it and shows the outcome in
    // the result box: `describe` of its exit code, the start failure, or the stop. While it
    // runs, Cancel asks whether to stop it (askToStopEngine()). `outputPath` is the file the
    // engine writes, as it is on its command line: a stopped run leaves that file as it was
    // and removes the engine's temporary file beside it. Empty when the command writes none.
    // `describe` absent: the exit code's own message (resultMessage()).
    ProcessRun runEngine(const std::string& commandLine, const std::string& outputPath,
                         const std::function<std::string(EngineResult)>& describe = {});
    // Cancel while the engine runs: asks whether to stop it and stops it on yes. The engine
    // keeps running while the question is open; if it ends meanwhile, that end stands.
    void askToStopEngine();
    bool engineRunning() const { return engineRunning_; }
    void batchStart(const std::string& argument);
    void exitDialog();

    // --- Program directory and histories ---------------------------------------------------
    // False (after the message, with the dialog ended) when the engine is missing.
    bool resolveProgramDir();
    std::string envPath(const char* relativeName) const { return ProgramDir + relativeName; }
    void loadHistories();
    void showHistory(int comboId, History& history);
    bool recordInputHistory(const std::string& text);
    bool recordOutputHistory(const std::string& text);
    void closeHistories();
    void clearHistory();
    void takeInputFromHistory();
    void fillHistoryList();
    void updateHorizontalExtent(int listId);

    // --- Dictionary list ---------------------------------------------------------------------
    // False (after the message, with the dialog ended) when env/dict.txt is missing.
    bool loadDictionaryList();
    void reloadDictionaryListIfChanged();
    void browseDictionary();
    void addTypedDictionary();
    // Adds `path` to the box and then to the list; false (reported) when the box refused it.
    bool addDictionary(const std::string& path);
    // Adds a dictionary file (any slashes) to the list and makes it the chosen one, after
    // reading the form; false when the box refused it (reported).
    bool addDictionaryFile(const std::string& path);
    void removeAddedDictionary();

    // --- Favorites and list tabs -----------------------------------------------------------
    void loadFavorites();
    void showFavorites();
    void applyListTab();
    void takeInputFromFavorite();
    void addFavorite();
    void deleteSelectedFavorite();
    void clearFavoriteSelection();
    // Reports a rewrite of the favorites that did not reach the file.
    void reportFavoritesWrite(Favorites::WriteResult result);

    // --- Known words -----------------------------------------------------------------------
    void chooseKnownLevel();
    void editKnownWords();
    void addOutputToKnownWords();

    // --- Routing-only operations ----------------------------------------------------------
    void takeInputFromCombo();
    void chooseInputFile();
    void chooseOutputFile();
    void showContextMenu(int x, int y);
    void refreshForm();
    EventResult onPaint();          // the icon while minimised
    EventResult onQueryDragIcon();  // the icon handle

    // --- Shell actions and small dialogs -------------------------------------------------
    void openInput();
    void openOutput();
    void editEnvFile(const char* relativeName);
    void openOnlineHelp();
    void showCommand();
    void showAbout();

    // Makes `input` the job's input and proposes an output from it, as every way of picking
    // an input does.
    void takeInput(const std::string& input);
    // Shows a file error (the file's full path in `pattern`'s %s) in the result box.
    void reportFileError(const char* pattern, const std::string& path);
    // Reports a list control that refused an entry; always false.
    bool reportEntryRefused();
    // Ends the dialog after the missing-file message for `path`.
    void endForMissingFile(const std::string& path);
    // Shell open of a full path, with the word-processor fallback.
    void shellOpenWithFallback(const std::string& path);

    Platform& platform_;
    MainWindowHost* host_ = nullptr;

    JobOptions options;
    std::string ProgramDir;
    std::string EnginePath;
    History inputHistory;
    History outputHistory;
    bool historyListFilled = false;
    bool engineRunning_ = false;  // runEngine() is waiting for the engine
    bool stopQuestionOpen_ = false;
    DictionaryList dictionaryList;
    Favorites favorites;
};

}  // namespace vokanti
