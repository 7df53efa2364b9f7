#pragma once
// The files of the program directory, by their names relative to it. Every file of the
// program is addressed as the program directory followed by one of these names.

namespace vokanti::env {

inline constexpr char kEngine[] = "vokan.exe";

// The lists the window keeps.
inline constexpr char kInputHistory[] = "env/in_history.txt";
inline constexpr char kOutputHistory[] = "env/out_history.txt";
inline constexpr char kDictionaryList[] = "env/dict.txt";
inline constexpr char kFavorites[] = "env/favorite.txt";

// The engine's own files: the window opens them for editing and names them in messages.
inline constexpr char kIgnore[] = "env/ignore.txt";
inline constexpr char kReplace[] = "env/replace.txt";
inline constexpr char kSymbol[] = "env/symbol.txt";
inline constexpr char kStyle[] = "env/style.css";
inline constexpr char kWebDict[] = "env/webdict.txt";
inline constexpr char kWebWav[] = "env/webwav.txt";
inline constexpr char kLabel[] = "env/label.txt";
// The learner's levels and known words: the engine reads both, and adds to the second.
inline constexpr char kLevel[] = "env/level.txt";
inline constexpr char kKnown[] = "env/known.txt";

}  // namespace vokanti::env
