#include "tools/ctl/JsonInput.h"

#include "platform/BoundedRead.h"
#include "platform/JsonDepth.h"

namespace solune::ctl {

bool ReadJsonInput(CtlContext& c, const std::string& file, nlohmann::json& value) {
    std::string text;
    if (!ReadStreamUpTo(c.in, kMaxJsonInputBytes, text)) {
        c.Fail(kExitBadInput, file + ": the JSON on standard input is larger than " +
                                  std::to_string(kMaxJsonInputBytes) + " bytes");
        return false;
    }
    if (!JsonNestingWithin(text)) {
        c.Fail(kExitBadInput, file + ": the JSON on standard input is nested more than " +
                                  std::to_string(kMaxJsonDepth) + " levels deep");
        return false;
    }
    value = nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
    if (value.is_discarded()) {
        c.Fail(kExitBadInput, file + ": malformed JSON on standard input");
        return false;
    }
    return true;
}

}  // namespace solune::ctl
