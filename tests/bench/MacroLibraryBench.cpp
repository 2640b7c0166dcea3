// What "Apply" spends on the macro library: a library of 5,000 macros (ten key
// rows each, names of 20 characters) is saved once, then one macro gets one
// more row and the library is saved again, each time. Only that macro's file
// and nothing else is written (the index does not change), so the time stays
// far below the 2.2 s of the rest of "Apply" however large the library grows.
// The library lives in a fresh folder under the system's temporary folder, on
// the disk that holds it, with every write flushed as in the program.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "config/macros/MacroLibrary.h"

namespace {

using namespace solune;
namespace fs = std::filesystem;

constexpr int kMacros = 5000;
constexpr int kRows = 10;

std::u16string nameOf(int i) {
    const std::string text = "Macro number " + std::to_string(100000 + i);
    return std::u16string(text.begin(), text.end());
}

void SaveWithOneChange(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "solune-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const fs::path root = pattern;
    {
        MacroLibrary library;
        library.SetMacroFolder(root / "Macros");
        for (int i = 0; i < kMacros; ++i) {
            CMacro& macro = library.SelectOrCreateMacro(16 + i, nameOf(i), MacroRect{0, 0, 200, 199});
            for (int r = 0; r < kRows; ++r) {
                macro.AddEvent(kMacroKey, 0x41, static_cast<std::uint8_t>(r % 2), r, kInsertAppend);
            }
        }
        if (library.SaveAllMacros() != MacroSaveResult::Saved) {
            state.SkipWithError("the first save failed");
        }
        CMacro& changed = *library.macros()[kMacros / 2];
        for (auto _ : state) {
            changed.AddEvent(kMacroKey, 0x42, kEdgePress, 1, kInsertAppend);
            if (library.SaveAllMacros() != MacroSaveResult::Saved) {
                state.SkipWithError("a save failed");
                break;
            }
        }
    }
    fs::remove_all(root);
}

BENCHMARK(SaveWithOneChange)->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

BENCHMARK_MAIN();
