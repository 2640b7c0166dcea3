// The profile JSON of solune300ctl ("profile write" and "profile show"): see
// CtlJsonRoundTrip.h for the two directions.
#include <cstddef>
#include <cstdint>

#include "config/profiles/ProfileFile.h"
#include "tests/fuzz/CtlJsonRoundTrip.h"
#include "tools/ctl/ProfileJson.h"

namespace {

struct ProfileFormat {
    using Record = solune::Profile;
    static nlohmann::json ToJson(const Record& r) { return solune::ctl::ProfileToJson(r); }
    static bool FromJson(const nlohmann::json& j, Record& r, std::string& error) {
        return solune::ctl::ProfileFromJson(j, r, error);
    }
    static void Write(solune::DataStream& s, const Record& r) { solune::WriteProfile(s, r); }
    static bool Read(solune::DataStream& s, Record& r) {
        return solune::ReadProfile(s, r) == solune::ProfileReadResult::Complete;
    }
    static void NormalizeTexts(Record& r) {
        solune::fuzz::CleanText(r.name);
        for (solune::ButtonMacro& macro : r.macros) {
            solune::fuzz::CleanText(macro.name);
        }
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    solune::fuzz::CtlJsonRoundTrip<ProfileFormat>::Run(data, size);
    return 0;
}
