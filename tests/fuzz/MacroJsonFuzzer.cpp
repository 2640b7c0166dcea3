// The macro JSON of solune300ctl ("macro write" and "macro show"): see
// CtlJsonRoundTrip.h for the two directions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "config/macros/MacroFile.h"
#include "tests/fuzz/CtlJsonRoundTrip.h"
#include "tools/ctl/MacroJson.h"

namespace {

using solune::CMacro;
using solune::DataStream;

// The JSON printed for `macro` read back into a new macro, as a show piped into
// a write does.
void requireShowWrite(const CMacro& macro) {
    const std::string shown = solune::ctl::MacroToJson(macro).dump(2);
    const nlohmann::json again = solune::fuzz::ParseCtlJson(shown);
    CMacro written;
    std::string error;
    if (again.is_discarded() || !solune::ctl::MacroFromJson(again, written, error)) {
        std::abort();
    }
    DataStream a;
    DataStream b;
    solune::WriteMacro(a, macro);
    solune::WriteMacro(b, written);
    solune::fuzz::RequireSameBytes(a, b);
}

void fromJson(std::string_view text) {
    const nlohmann::json json = solune::fuzz::ParseCtlJson(text);
    CMacro macro;
    std::string error;
    if (json.is_discarded() || !solune::ctl::MacroFromJson(json, macro, error)) {
        return;
    }
    DataStream file;
    solune::WriteMacro(file, macro);
    DataStream input(file.bytes());
    CMacro reread;
    if (solune::ReadMacro(input, reread) != solune::MacroFileStatus::Complete) {
        std::abort();
    }
    requireShowWrite(reread);
}

void fromFile(std::span<const std::uint8_t> bytes) {
    DataStream input(bytes);
    CMacro macro;
    if (solune::ReadMacro(input, macro) != solune::MacroFileStatus::Complete) {
        return;
    }
    requireShowWrite(macro);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::span<const std::uint8_t> rest(data + 1, size - 1);
    if (data[0] % 2 == 0) {
        fromJson(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
    } else {
        fromFile(rest);
    }
    return 0;
}
