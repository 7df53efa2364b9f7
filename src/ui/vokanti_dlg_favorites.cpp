// Favorites: titled inputs kept in env/favorite.txt as pairs of lines (title, location),
// shown in IDC_FAVORITE_LIST with the locations in the hidden IDC_FAVORITE_LOCATIONS at the
// same indices; and the two pages of the list tabs.
#include <string>
#include <vector>

#include "core/control_ids.h"
#include "core/messages.h"
#include "core/text.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {
constexpr const char kFavoritesFile[] = "env/favorite.txt";
// The new content is written here first and then put in place of the favorites file.
constexpr const char kFavoritesNewFile[] = "env/favorite.txt.new";

constexpr int kFavoritesPage = 0;
constexpr int kHistoryPage = 1;
}  // namespace

void CVokantiDlg::readFavoritePairs(ListFile& file) {
    std::vector<std::string> titles;
    std::vector<std::string> locations;
    std::string line;
    while (file.readLine(line)) {
        titles.push_back(line);
        // An odd last line is a title without a location.
        if (!file.readLine(line)) line.clear();
        locations.push_back(line);
    }
    form_.appendEntries(IDC_FAVORITE_LIST, titles);
    form_.appendEntries(IDC_FAVORITE_LOCATIONS, locations);
}

void CVokantiDlg::loadFavorites() {
    const std::string path = envPath(kFavoritesFile);
    favoriteStamp = platform_.files.modStamp(path);
    FileSystem& files = platform_.files;
    ListFile file(files);
    if (file.open(path, OpenMode::ReadWrite)) {
        readFavoritePairs(file);
    } else if (!files.exists(path)) {
        if (!file.open(path, OpenMode::Create)) {
            reportFileError(text::kFileCreateFailed, path);
        }
    } else if (file.open(path, OpenMode::Read)) {
        readFavoritePairs(file);  // a read-only file
    } else {
        // Held by another program. Without a stamp the favorites page reads the file again
        // when it is next selected.
        favoriteStamp.reset();
        reportFileError(text::kFileReadFailed, path);
    }
    file.close();
}

void CVokantiDlg::applyListTab() {
    const int page = form_.selection(IDC_LIST_TABS);
    if (page == kHistoryPage) {
        form_.setVisible(IDC_FAVORITE_LIST, false);
        form_.setVisible(IDC_HISTORY_LIST, true);
        return;
    }
    if (page != kFavoritesPage) return;

    form_.setVisible(IDC_FAVORITE_LIST, true);
    form_.setVisible(IDC_HISTORY_LIST, false);
    const std::string path = envPath(kFavoritesFile);
    const auto current = platform_.files.modStamp(path);
    // A missing file always counts as changed: the reload then reports it.
    if (current && current == favoriteStamp) return;
    const auto previous = favoriteStamp;
    favoriteStamp = current;
    if (!current) {
        endForMissingFile(path);
        return;
    }
    ListFile file(platform_.files);
    if (!file.open(path, OpenMode::Read)) {
        // Held by another program: keep the lists and try again next time.
        favoriteStamp = previous;
        reportFileError(text::kFileReadFailed, path);
        return;
    }
    form_.clearEntries(IDC_FAVORITE_LIST);
    form_.clearEntries(IDC_FAVORITE_LOCATIONS);
    readFavoritePairs(file);
    file.close();
    updateHorizontalExtent(IDC_FAVORITE_LIST);
}

void CVokantiDlg::takeInputFromFavorite() {
    const int selected = form_.selection(IDC_FAVORITE_LIST);
    if (selected >= 0) takeInput(form_.entry(IDC_FAVORITE_LOCATIONS, selected));
}

void CVokantiDlg::addFavorite() {
    if (!readForm()) return;
    if (options.input.empty()) return;
    const auto title = platform_.prompts.favoriteTitle();
    if (!title || title->empty()) return;
    form_.appendEntry(IDC_FAVORITE_LIST, *title);
    form_.appendEntry(IDC_FAVORITE_LOCATIONS, options.input);
    rewriteFavorites();
}

void CVokantiDlg::deleteSelectedFavorite() {
    const int selected = form_.selection(IDC_FAVORITE_LIST);
    if (selected < 0) return;
    const std::string question =
        formatText(text::kDeleteFavoriteQuestion, form_.entry(IDC_FAVORITE_LIST, selected));
    if (!platform_.prompts.confirm(text::kDeleteFavoriteCaption, question)) return;
    form_.deleteEntry(IDC_FAVORITE_LIST, selected);
    form_.deleteEntry(IDC_FAVORITE_LOCATIONS, selected);
    rewriteFavorites();
}

void CVokantiDlg::clearFavoriteSelection() { form_.setSelection(IDC_FAVORITE_LIST, -1); }

// The whole list is written to a new file beside the favorites file, which then takes its
// place in one step: whatever happens on the way, env/favorite.txt holds either the old list
// or the new one, never a part of it. A favorites file that is gone (removed from outside) or
// cannot be replaced (held by another program, read-only) is reported and left as it is; the
// lists keep the change and the stored stamp stays, so the next selection of the favorites
// page shows what the file holds.
bool CVokantiDlg::rewriteFavorites() {
    FileSystem& files = platform_.files;
    const std::string path = envPath(kFavoritesFile);
    if (!files.exists(path)) {
        reportFileError(text::kFileRemoveFailed, path);
        return false;
    }

    const std::string newPath = envPath(kFavoritesNewFile);
    ListFile file(files);
    bool written = file.open(newPath, OpenMode::Create);
    const int count = form_.entryCount(IDC_FAVORITE_LIST);
    for (int i = 0; written && i < count; ++i) {
        written = file.writeLine(form_.entry(IDC_FAVORITE_LIST, i)) &&
                  file.writeLine(form_.entry(IDC_FAVORITE_LOCATIONS, i));
    }
    const bool opened = file.isOpen();
    file.close();
    if (!written || !files.replace(newPath, path)) {
        if (opened) files.remove(newPath);
        reportFileError(text::kFileWriteFailed, path);
        return false;
    }

    updateHorizontalExtent(IDC_FAVORITE_LIST);
    favoriteStamp = files.modStamp(path);
    return true;
}

}  // namespace vokanti
