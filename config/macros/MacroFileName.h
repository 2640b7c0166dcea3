#pragma once
// The file name a macro is saved under inside the macro folder.

#include <cstddef>
#include <string>
#include <string_view>

namespace solune {

// At most this many bytes of a macro's name make up its file name, leaving
// room for the "1"s that tell equal names apart and for ".macro" within the
// 255 bytes a file name may have.
inline constexpr std::size_t kMaxMacroFileStemBytes = 200;

// The file name (UTF-8, without ".macro") for a macro of this name. It is the
// name itself whenever that is safe; otherwise the name is changed so that
// the file can only land inside the macro folder:
//  - "/" and NUL become "_" (so the name cannot reach another folder);
//  - an empty name, or one made only of dots (".", ".."), has each character,
//    or the missing one, replaced by "_";
//  - a name longer than kMaxMacroFileStemBytes is cut at a character boundary;
//  - an unpaired UTF-16 surrogate becomes U+FFFD.
// The macro keeps its name as typed; only the file name differs.
std::string MacroFileStem(std::u16string_view name);

// True for a name ending in ".macro": a macro file of the folder.
inline bool IsMacroFileName(std::string_view name) {
    return name.ends_with(".macro");
}

// The longest file name a file system takes, in bytes.
inline constexpr std::size_t kMaxFileNameBytes = 255;

// The file name of the `attempt`-th try (0 first) to place a macro whose file
// stem is `stem`, always at most kMaxFileNameBytes bytes with ".macro":
//  - attempt 0: stem + ".macro";
//  - when `nameIsStem` (the stem is the macro's name unchanged) and it fits:
//    stem + `attempt` times "1" + ".macro", and `appendedOnes` is set to
//    `attempt` (the macro's name takes the same "1"s);
//  - otherwise the stem, cut at a character boundary where needed, + "~" +
//    the attempt's number + ".macro", and `appendedOnes` is 0.
std::string MacroFileNameFor(const std::string& stem, bool nameIsStem, std::size_t attempt,
                             std::size_t& appendedOnes);

}  // namespace solune
