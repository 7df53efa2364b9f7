#pragma once
// The controls of the main dialog that the logic addresses, with their kinds and radio
// groups, so an in-memory form can be laid out like the real template.
#include <vector>

#include "core/control_ids.h"
#include "support/memory_form.h"

namespace vokanti {

struct MainDialogControl {
    int id;
    ControlKind kind;
};

inline const std::vector<MainDialogControl>& mainDialogControls() {
    static const std::vector<MainDialogControl> controls = {
        {IDC_INPUT, ControlKind::ComboBox},          {IDC_OUTPUT, ControlKind::ComboBox},
        {IDC_DICTIONARY, ControlKind::ComboBox},     {IDC_BROWSE_INPUT, ControlKind::Button},
        {IDC_BROWSE_OUTPUT, ControlKind::Button},    {IDC_BROWSE_DICTIONARY, ControlKind::Button},
        {IDC_ADD_DICTIONARY, ControlKind::Button},   {IDC_REMOVE_DICTIONARY, ControlKind::Button},
        {IDC_MATCH_WORD, ControlKind::Button},       {IDC_MATCH_WORD_IDIOM, ControlKind::Button},
        {IDC_MATCH_IDIOM, ControlKind::Button},      {IDC_INPUT_HTML, ControlKind::Button},
        {IDC_INPUT_TEXT, ControlKind::Button},       {IDC_IGNORE_LONG, ControlKind::Edit},
        {IDC_IGNORE_SHORT, ControlKind::Edit},       {IDC_QUESTION, ControlKind::Button},
        {IDC_QUESTION_NUM, ControlKind::Edit},       {IDC_SAME_DIR, ControlKind::Button},
        {IDC_SORT_DICTIONARY, ControlKind::Button},  {IDC_INPUT_LIST_ONLY, ControlKind::Button},
        {IDC_NO_IGNORE, ControlKind::Button},        {IDC_DOWNLOAD_ONLY, ControlKind::Button},
        {IDC_OK, ControlKind::Button},               {IDC_CANCEL, ControlKind::Button},
        {IDC_LIST_TABS, ControlKind::Tab},           {IDC_HISTORY_LIST, ControlKind::ListBox},
        {IDC_FAVORITE_LIST, ControlKind::ListBox},   {IDC_FAVORITE_LOCATIONS, ControlKind::ListBox},
        {IDC_OPEN_INPUT, ControlKind::Button},       {IDC_ADD_FAVORITE, ControlKind::Button},
        {IDC_OPEN_OUTPUT, ControlKind::Button},      {IDC_CUT, ControlKind::Button},
        {IDC_CUT_LENGTH, ControlKind::Edit},         {IDC_OUTPUT_DB, ControlKind::Button},
        {IDC_OUTPUT_CSV, ControlKind::Button},       {IDC_OUTPUT_HTML2, ControlKind::Button},
        {IDC_OUTPUT_HTML1, ControlKind::Button},     {IDC_NO_DICT, ControlKind::Button},
    };
    return controls;
}

// The three radio groups of the template, in the order of their values.
inline const std::vector<std::vector<int>>& mainDialogRadioGroups() {
    static const std::vector<std::vector<int>> groups = {
        {IDC_MATCH_WORD, IDC_MATCH_WORD_IDIOM, IDC_MATCH_IDIOM},
        {IDC_INPUT_HTML, IDC_INPUT_TEXT},
        {IDC_OUTPUT_DB, IDC_OUTPUT_CSV, IDC_OUTPUT_HTML1, IDC_OUTPUT_HTML2},
    };
    return groups;
}

// Lays out `form` like the main dialog's template.
inline void addMainDialogControls(MemoryForm& form) {
    for (const auto& c : mainDialogControls()) form.addControl(c.id, c.kind);
    for (const auto& g : mainDialogRadioGroups()) form.addRadioGroup(g);
}

}  // namespace vokanti
