// Favorites: titled inputs kept in env/favorite.txt, shown in IDC_FAVORITE_LIST with the
// locations in the hidden IDC_FAVORITE_LOCATIONS at the same indices; and the two pages of
// the list tabs. The titles and locations themselves live in the favorites model.
#include "core/control_ids.h"
#include "core/env_files.h"
#include "core/messages.h"
#include "core/text.h"
#include "ui/vokanti_dlg.h"

namespace vokanti {

namespace {
constexpr int kFavoritesPage = 0;
constexpr int kHistoryPage = 1;
}  // namespace

void CVokantiDlg::loadFavorites() {
    switch (favorites.load(envPath(env::kFavorites))) {
        case Favorites::LoadResult::Loaded:
        case Favorites::LoadResult::Created: break;
        case Favorites::LoadResult::CreateFailed:
            reportFileError(text::kFileCreateFailed, favorites.path());
            break;
        case Favorites::LoadResult::ReadFailed:
            reportFileError(text::kFileReadFailed, favorites.path());
            break;
    }
    showFavorites();
}

// Fills both lists from the model. Lists that cannot hold every favorite show none, and the
// model lets go of them too (treated as a file not read), so indices stay in step.
void CVokantiDlg::showFavorites() {
    form_.clearEntries(IDC_FAVORITE_LIST);
    form_.clearEntries(IDC_FAVORITE_LOCATIONS);
    if (form_.appendEntries(IDC_FAVORITE_LIST, favorites.titles()) &&
        form_.appendEntries(IDC_FAVORITE_LOCATIONS, favorites.locations())) {
        return;
    }
    form_.clearEntries(IDC_FAVORITE_LIST);
    form_.clearEntries(IDC_FAVORITE_LOCATIONS);
    favorites.forgetEntries();
    reportFileError(text::kListFillFailed, favorites.path());
}

void CVokantiDlg::applyListTab() {
    const int page = form_.selection(IDC_LIST_TABS);
    if (page == kHistoryPage) {
        fillHistoryList();
        form_.setVisible(IDC_FAVORITE_LIST, false);
        form_.setVisible(IDC_HISTORY_LIST, true);
        return;
    }
    if (page != kFavoritesPage) return;

    form_.setVisible(IDC_FAVORITE_LIST, true);
    form_.setVisible(IDC_HISTORY_LIST, false);
    switch (favorites.reloadIfChanged()) {
        case Favorites::ReloadResult::Unchanged: return;
        case Favorites::ReloadResult::Missing:
            endForMissingFile(favorites.path());
            return;
        case Favorites::ReloadResult::ReadFailed:
            // Held by another program: the lists stay, and the next look tries again.
            reportFileError(text::kFileReadFailed, favorites.path());
            return;
        case Favorites::ReloadResult::Reloaded:
            showFavorites();
            updateHorizontalExtent(IDC_FAVORITE_LIST);
            return;
    }
}

void CVokantiDlg::takeInputFromFavorite() {
    const int selected = form_.selection(IDC_FAVORITE_LIST);
    if (selected >= 0 && static_cast<size_t>(selected) < favorites.size()) {
        takeInput(favorites.locations()[static_cast<size_t>(selected)]);
    }
}

void CVokantiDlg::addFavorite() {
    readForm();
    if (options.input.empty()) return;
    // Favorites not read whole are not changed: say so before asking for a title.
    if (!favorites.readWhole()) {
        reportFavoritesWrite(Favorites::WriteResult::NotReadWhole);
        return;
    }
    const auto title = platform_.prompts.favoriteTitle();
    if (!title || title->empty()) return;
    // Both lists take the new favorite before the model does; a refusal leaves all three
    // as they were.
    if (!form_.appendEntries(IDC_FAVORITE_LIST, {*title})) {
        reportEntryRefused();
        return;
    }
    if (!form_.appendEntries(IDC_FAVORITE_LOCATIONS, {options.input})) {
        form_.deleteEntry(IDC_FAVORITE_LIST, form_.entryCount(IDC_FAVORITE_LIST) - 1);
        reportEntryRefused();
        return;
    }
    reportFavoritesWrite(favorites.add(*title, options.input));
}

void CVokantiDlg::deleteSelectedFavorite() {
    const int selected = form_.selection(IDC_FAVORITE_LIST);
    if (selected < 0 || static_cast<size_t>(selected) >= favorites.size()) return;
    const std::string question = formatText(text::kDeleteFavoriteQuestion,
                                            favorites.titles()[static_cast<size_t>(selected)]);
    if (!platform_.prompts.confirm(text::kDeleteFavoriteCaption, question)) return;
    const Favorites::WriteResult result = favorites.remove(static_cast<size_t>(selected));
    if (result != Favorites::WriteResult::NotReadWhole) {
        form_.deleteEntry(IDC_FAVORITE_LIST, selected);
        form_.deleteEntry(IDC_FAVORITE_LOCATIONS, selected);
    }
    reportFavoritesWrite(result);
}

// A rewrite that failed leaves the lists holding the change and the file as it was; a list
// that was never read whole is not changed at all, so the file's other favorites are kept.
void CVokantiDlg::reportFavoritesWrite(Favorites::WriteResult result) {
    switch (result) {
        case Favorites::WriteResult::Written:
            updateHorizontalExtent(IDC_FAVORITE_LIST);
            break;
        case Favorites::WriteResult::NotReadWhole:
            reportFileError(text::kFileReadFailed, favorites.path());
            break;
        case Favorites::WriteResult::Gone:
            reportFileError(text::kFileRemoveFailed, favorites.path());
            break;
        case Favorites::WriteResult::WriteFailed:
            reportFileError(text::kFileWriteFailed, favorites.path());
            break;
    }
}

void CVokantiDlg::clearFavoriteSelection() { form_.setSelection(IDC_FAVORITE_LIST, -1); }

}  // namespace vokanti
