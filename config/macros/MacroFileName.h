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

}  // namespace solune
