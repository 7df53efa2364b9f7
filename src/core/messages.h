#pragma once
// Every text the program shows from its code, in one place (the resource scripts hold the
// texts of the templates and menus). Narrow literals are Shift-JIS.

namespace vokanti::text {

// --- The engine's results, by exit code ---------------------------------------------------
inline constexpr char kResultSuccess[] = "ファイル作成に成功しました！";
inline constexpr char kResultBadOptions[] = "オプションの指定が間違っています．";
inline constexpr char kResultInputFailed[] = "入力ファイルのオープンに失敗しました．";
inline constexpr char kResultOutputFailed[] = "出力ファイルのオープンに失敗しました．";
inline constexpr char kResultDictionaryFailed[] = "辞書ファイルのオープンに失敗しました．";
inline constexpr char kResultEnvFileFailed[] = "%sのオープンに失敗しました．";  // env/ name
inline constexpr char kResultCrLineEnds[] = "辞書ファイルの改行コードがCRです．";
inline constexpr char kResultTempFailed[] = "tmpファイルのオープンに失敗しました．";
inline constexpr char kResultDownloadFailed[] = "ダウンロードに失敗しました．";
inline constexpr char kResultGeneralFailure[] = "ファイル作成に失敗しました．．．";

// --- Known words ------------------------------------------------------------------------------
// The words of the output were added: the number of lines env/known.txt grew by for %d.
inline constexpr char kKnownWordsAdded[] = "既知語に%d語を追加しました．";
// Added, but env/known.txt could not be read afterwards to count them.
inline constexpr char kKnownWordsAddedUncounted[] = "既知語に追加しました．";
inline constexpr char kNoOutputFile[] = "出力ファイルが指定されていません．";

// --- Messages of the window -----------------------------------------------------------------
inline constexpr char kIntegerRequired[] = "整数を入力してください。";
inline constexpr char kSettingsSaveFailed[] = "設定を保存できませんでした．";
inline constexpr char kNotFound[] = "%sが見つかりません．";
inline constexpr char kEngineStartFailed[] = "vokan.exeの起動に失敗しました．";
inline constexpr char kCommandLineTooLong[] =
    "vokan.exeの実行コマンドが長すぎるため，実行できません．入力・出力・辞書のパスを短くしてください．";
// File errors: the file's full path in place of %s.
inline constexpr char kFileWriteFailed[] = "%sへの書き込みに失敗しました．";
inline constexpr char kFileRemoveFailed[] = "%sを削除できませんでした．";
inline constexpr char kFileCreateFailed[] = "%sを作成できませんでした．";
inline constexpr char kFileReadFailed[] = "%sを読み込めませんでした．";
// A history that could not be read at start-up is not written to for the rest of the run.
inline constexpr char kHistoryReadFailed[] =
    "%sを読み込めませんでした．Vokantiを終了するまで，作成した記録はこの履歴に追加されません．";
// A list control refused an entry (no memory left for it): the list and its data stay as
// they were.
inline constexpr char kListEntryRefused[] = "一覧に項目を追加できませんでした．";
// A list control could not show a whole file: it is treated as a file that could not be
// read. The file's full path in place of %s.
inline constexpr char kListFillFailed[] = "%sの内容を一覧に表示できませんでした．";
// An operation stopped by an error the program did not expect: its description in place of %s.
inline constexpr char kUnexpectedError[] = "予期しないエラーのため処理を中止しました．\n%s";
// The open-file dialog returned a path longer than the program can take.
inline constexpr char kChosenPathTooLong[] = "選択したファイルのパスが長すぎます．";
// Cancel while the engine runs, and what a stop ends with.
inline constexpr char kStopJobQuestion[] = "作成を中止しますか？";
inline constexpr char kJobStopped[] = "作成を中止しました．";
// What was dropped on the window and could not be taken as it came.
inline constexpr char kDroppedSeveralFiles[] =
    "一度に扱える文書は1つだけです．最初のファイル%sを入力にしました．";
inline constexpr char kDroppedFolder[] = "%sはフォルダです．入力にはファイルかURLをドロップしてください．";
inline constexpr char kDroppedTextNotUrl[] =
    "ドロップされたテキストはURLではありません．入力にはファイルかURL(http://～, https://～)をドロップしてください．";
inline constexpr char kDroppedDictionaryNotText[] =
    "%sは辞書として追加できません．辞書にはPDICテキスト形式のファイル(*.txt)をドロップしてください．";

inline constexpr char kCommandCaption[] = "vokanの実行コマンド";
inline constexpr char kDeleteFavoriteCaption[] = "お気に入りの削除";
inline constexpr char kDeleteFavoriteQuestion[] = "お気に入り\"%s\"を削除してもよろしいですか？";

// --- File dialogs: title and filters (caption|patterns|...||) -------------------------------
inline constexpr char kFileDialogTitle[] = "ファイルの選択";
inline constexpr char kInputFilter[] =
    "vokan Input File (*.txt; *.html; *.htm) |*.txt; *.html; *.htm|全てのファイル (*.*)|*.*||";
inline constexpr char kOutputFilter[] =
    "vokan Output File (*.vkndb5s; *.csv, *.html, *.htm) |*.vkndb5s; *.csv; *.html; *.htm|"
    "全てのファイル (*.*)|*.*||";
inline constexpr char kDictionaryFilter[] =
    "PDIC Text Format (*.txt) |*.txt|全てのファイル (*.*)|*.*||";

// --- The list tabs --------------------------------------------------------------------------
inline constexpr char kFavoritesTab[] = "お気に入り";
inline constexpr char kHistoryTab[] = "入力履歴";

// --- Tooltips -------------------------------------------------------------------------------
inline constexpr char kTipAddFavorite[] = "入力ファイル(URL)をお気に入りに追加";
inline constexpr char kTipOpenInput[] = "入力ファイル(URL)を開く";
inline constexpr char kTipAddDictionary[] = "辞書の追加";
inline constexpr char kTipRemoveDictionary[] = "追加した辞書の削除";
inline constexpr char kTipOpenOutput[] = "出力ファイルの編集";
inline constexpr char kTipBrowseInput[] = "入力ファイルの選択";
inline constexpr char kTipBrowseOutput[] = "出力ファイルの選択";
inline constexpr char kTipBrowseDictionary[] = "辞書ファイルの選択";
inline constexpr char kTipStart[] = "問題集の作成を開始";
inline constexpr char kTipExit[] = "Vokantiの終了";
inline constexpr char kTipInputListOnly[] = "replace.txtによる置換を行わない";
inline constexpr char kTipNoIgnore[] = "ignore.txtの内容を無視しない";
inline constexpr char kTipHtml1[] = "Web辞書はgooのみです";
inline constexpr char kTipHtml2[] = "Web辞書を複数使えます";
inline constexpr char kTipNoDict[] = "英文を読む際に使うと便利です";

}  // namespace vokanti::text
