// The profile JSON of solune300ctl ("profile write" and "profile show"): see
// CtlJsonRoundTrip.h for the two directions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include "config/profiles/ProfileFile.h"
#include "tests/fuzz/CtlJsonRoundTrip.h"
#include "tools/ctl/ProfileJson.h"

namespace {

using solune::DataStream;
using solune::Profile;

// The JSON printed for `profile` read back into a new profile, as a show piped
// into a write does.
void requireShowWrite(const Profile& profile) {
    const std::string shown = solune::ctl::ProfileToJson(profile).dump(2);
    const nlohmann::json again = solune::fuzz::ParseCtlJson(shown);
    Profile written;
    std::string error;
    if (again.is_discarded() || !solune::ctl::ProfileFromJson(again, written, error)) {
        std::abort();
    }
    DataStream a;
    DataStream b;
    solune::WriteProfile(a, profile);
    solune::WriteProfile(b, written);
    solune::fuzz::RequireSameBytes(a, b);
}

void fromJson(std::string_view text) {
    const nlohmann::json json = solune::fuzz::ParseCtlJson(text);
    Profile profile;
    std::string error;
    if (json.is_discarded() || !solune::ctl::ProfileFromJson(json, profile, error)) {
        return;
    }
    DataStream file;
    solune::WriteProfile(file, profile);
    DataStream input(file.bytes());
    Profile reread;
    if (solune::ReadProfile(input, reread) != solune::ProfileReadResult::Complete) {
        std::abort();
    }
    requireShowWrite(reread);
}

void fromFile(std::span<const std::uint8_t> bytes) {
    DataStream input(bytes);
    Profile profile;
    if (solune::ReadProfile(input, profile) != solune::ProfileReadResult::Complete) {
        return;
    }
    requireShowWrite(profile);
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
