#pragma once
// The fonts of the skinned controls.
//
// Sizes are given as the programs give them, a height in pixels; weights are
// the 100 … 900 scale (400 normal). The faces the skin asks for
// ("NeoSansStd-Regular", "NeoSans-Light", "NeoSans") are private fonts shipped
// beside the programs; when a face is not installed the text falls back to
// Liberation Sans (Debian package fonts-liberation2), which is also what
// "Arial" resolves to: its letters have Arial's widths.

#include <QFont>
#include <filesystem>

namespace solune::skin {

inline constexpr char kArialFace[] = "Arial";
inline constexpr char kNeoSansFace[] = "NeoSansStd-Regular";
inline constexpr char kNeoSansLightFace[] = "NeoSans-Light";
inline constexpr char kNeoSansUpdaterFace[] = "NeoSans";

// A font of `face` with the given pixel height and weight.
QFont MakeFont(const char* face, int height, int weight = 400);

// Makes the font file available to every later MakeFont of this process under
// the face names it is asked for. The result is not looked at: a missing or
// unreadable file leaves the fallback in place. The font is never removed.
void AddPrivateFont(const std::filesystem::path& fontFile, const char* face);

}  // namespace solune::skin
