#pragma once
// The fixed texts the program shows, in one place. Narrow literals are Shift-JIS.

namespace vokanti::text {

inline constexpr const char kIntegerRequired[] = "整数を入力してください。";
inline constexpr const char kSettingsSaveFailed[] = "設定を保存できませんでした．";
inline constexpr const char kNotFound[] = "%sが見つかりません．";
inline constexpr const char kEngineStartFailed[] = "vokan.exeの起動に失敗しました．";
inline constexpr const char kCommandLineTooLong[] =
    "vokan.exeの実行コマンドが長すぎるため，実行できません．入力・出力・辞書のパスを短くしてください．";
// Our framework's file errors: the file's full path in place of %s.
inline constexpr const char kFileWriteFailed[] = "%sへの書き込みに失敗しました．";
inline constexpr const char kFileRemoveFailed[] = "%sを削除できませんでした．";
inline constexpr const char kFileCreateFailed[] = "%sを作成できませんでした．";
inline constexpr const char kFileReadFailed[] = "%sを読み込めませんでした．";

// An operation stopped by an error the program did not expect: its description in place of %s.
inline constexpr const char kUnexpectedError[] = "予期しないエラーのため処理を中止しました．\n%s";
// The open-file dialog returned a path longer than the program can take.
inline constexpr const char kChosenPathTooLong[] = "選択したファイルのパスが長すぎます．";

inline constexpr const char kCommandCaption[] = "vokanの実行コマンド";
inline constexpr const char kDeleteFavoriteCaption[] = "お気に入りの削除";
inline constexpr const char kDeleteFavoriteQuestion[] = "お気に入り\"%s\"を削除してもよろしいですか？";
inline constexpr const char kFileDialogTitle[] = "ファイルの選択";

}  // namespace vokanti::text
