// The macro JSON of solune300ctl ("macro write" and "macro show"): see
// CtlJsonRoundTrip.h for the two directions.
#include <cstddef>
#include <cstdint>

#include "config/macros/MacroFile.h"
#include "tests/fuzz/CtlJsonRoundTrip.h"
#include "tools/ctl/MacroJson.h"

namespace {

struct MacroFormat {
    using Record = solune::CMacro;
    static nlohmann::json ToJson(const Record& r) { return solune::ctl::MacroToJson(r); }
    static bool FromJson(const nlohmann::json& j, Record& r, std::string& error) {
        return solune::ctl::MacroFromJson(j, r, error);
    }
    static void Write(solune::DataStream& s, const Record& r) { solune::WriteMacro(s, r); }
    static bool Read(solune::DataStream& s, Record& r) {
        return solune::ReadMacro(s, r) == solune::MacroFileStatus::Complete;
    }
    static void NormalizeTexts(Record& r) { solune::fuzz::CleanText(r.name); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    solune::fuzz::CtlJsonRoundTrip<MacroFormat>::Run(data, size);
    return 0;
}
