#pragma once
// A guard for JSON text from outside: the depth of nested arrays and objects
// is counted before any parser sees the text, so a value nested thousands deep
// is refused instead of exhausting the stack of a parser, a destructor or a
// reader that walks the tree.

#include <string_view>

namespace solune {

// The deepest the programs' own JSON goes is a handful of levels; 64 leaves
// room for keys that other tools keep in the same files.
inline constexpr int kMaxJsonDepth = 64;

// True when no array or object of `text` lies more than `maxDepth` levels deep
// (brackets inside strings do not count). The text need not be valid JSON.
bool JsonNestingWithin(std::string_view text, int maxDepth = kMaxJsonDepth);

}  // namespace solune
