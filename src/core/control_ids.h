#pragma once
// Ids of the main dialog's controls and of the commands, shared by the portable dialog
// logic and the resource script. Plain #defines only: windres reads this file too.

// Controls of the main dialog (template 102), by number.
#define IDC_BROWSE_INPUT        1001
#define IDC_BROWSE_OUTPUT       1003
#define IDC_BROWSE_DICTIONARY   1005
#define IDC_MATCH_WORD          1006
#define IDC_MATCH_IDIOM         1007
#define IDC_MATCH_WORD_IDIOM    1008
#define IDC_IGNORE_LONG         1011
#define IDC_QUESTION_NUM        1012
#define IDC_IGNORE_SHORT        1013
#define IDC_CUT_LENGTH          1014
#define IDC_INPUT_LIST_ONLY     1015
#define IDC_ADD_DICTIONARY      1017
#define IDC_NO_IGNORE           1018
#define IDC_OUTPUT_DB           1019
#define IDC_REMOVE_DICTIONARY   1020
#define IDC_OUTPUT_CSV          1021
#define IDC_SAME_DIR            1022
#define IDC_SORT_DICTIONARY     1023
#define IDC_INPUT_HTML          1024
#define IDC_INPUT_TEXT          1025
#define IDC_DOWNLOAD_ONLY       1026
#define IDC_QUESTION            1027
#define IDC_OPEN_INPUT          1028
#define IDC_ADD_FAVORITE        1029
#define IDC_LIST_TABS           1030
#define IDC_CUT                 1031
#define IDC_DICTIONARY          1032
#define IDC_OUTPUT              1033
#define IDC_INPUT               1034
#define IDC_OPEN_OUTPUT         1035
#define IDC_NO_DICT             1036
#define IDC_FAVORITE_TITLE      1037
#define IDC_OUTPUT_HTML2        1038
#define IDC_HISTORY_LIST        1039
#define IDC_FAVORITE_LIST       1040
#define IDC_FAVORITE_LOCATIONS  1041
#define IDC_OUTPUT_HTML1        1042

// Controls of the known-words level dialog: no level, then levels 1 to 3 in order.
#define IDC_LEVEL_NONE          1101
#define IDC_LEVEL_1             1102
#define IDC_LEVEL_2             1103
#define IDC_LEVEL_3             1104

// The dialogs' OK and Cancel buttons (the platform's IDOK and IDCANCEL).
#define IDC_OK                  1
#define IDC_CANCEL              2

// Menu commands (menu bar 140 and context menu 137).
#define ID_SETTINGS_LOAD        32771
#define ID_SETTINGS_SAVE        32772
#define ID_HISTORY_CLEAR        32773
#define ID_EDIT_FAVORITES       32775
#define ID_EDIT_IGNORE          32776
#define ID_EDIT_REPLACE         32777
#define ID_EDIT_SYMBOL          32778
#define ID_ABOUT                32779
#define ID_ONLINE_HELP          32780
#define ID_EDIT_DICTLIST        32783
#define ID_SELECT_INPUT         32785
#define ID_SELECT_OUTPUT        32786
#define ID_SELECT_DICTIONARY    32787
#define ID_EXIT                 32788
#define ID_MENU_ADD_FAVORITE    32789
#define ID_MENU_OPEN_INPUT      32790
#define ID_MENU_OPEN_OUTPUT     32791
#define ID_REFRESH              32792
#define ID_START                32793
#define ID_SHOW_COMMAND         32794
#define ID_EDIT_STYLE           32795
#define ID_EDIT_WEBDICT         32796
// The known words: the level dialog, the known-words file, adding an output's words.
#define ID_SETTINGS_KNOWN_LEVEL 32811
#define ID_EDIT_KNOWN           32812
#define ID_ADD_KNOWN            32813

// The system-menu entry of the about box.
#define IDM_ABOUTBOX            16
