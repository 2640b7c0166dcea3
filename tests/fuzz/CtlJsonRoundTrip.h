#pragma once
// What the JSON fuzzers of solune300ctl share: the first input byte picks the
// direction, the rest is the data.
//   even: the rest is JSON text, read as "profile write" / "macro write" read
//         standard input; what they accept must survive the file and a show.
//   odd:  the rest is a file, read as "profile show" / "macro show" read it;
//         what they print must be accepted by write and give the same file.
//
// `Format` names the record and its four conversions:
//   using Record = ...;
//   static nlohmann::json ToJson(const Record&);
//   static bool FromJson(const nlohmann::json&, Record&, std::string& error);
//   static void Write(DataStream&, const Record&);
//   static bool Read(DataStream&, Record&);  // true when read whole
//   static void NormalizeTexts(Record&);     // every text through CleanText
//
// JSON carries UTF-8, which has no lone surrogates: a file's text holding one
// shows with U+FFFD in its place, so the file direction compares against the
// record with its texts cleaned that way.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <sstream>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "config/profiles/DataStream.h"
#include "platform/TextCodec.h"
#include "tools/ctl/JsonInput.h"

namespace solune::fuzz {

// `text` as it comes back from JSON: lone surrogates replaced by U+FFFD.
inline void CleanText(std::u16string& text) {
    std::u16string clean;
    if (!FromUtf8(ToUtf8(text), clean)) {
        std::abort();
    }
    text = clean;
}

template <typename Format>
class CtlJsonRoundTrip {
  public:
    using Record = typename Format::Record;

    static void Run(const std::uint8_t* data, std::size_t size) {
        if (size == 0) {
            return;
        }
        const std::span<const std::uint8_t> rest(data + 1, size - 1);
        if (data[0] % 2 == 0) {
            fromJson(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size()));
        } else {
            fromFile(rest);
        }
    }

  private:
    // The JSON text read the way the command line reads standard input: a
    // discarded value when it is refused (too large, too deep, malformed).
    static nlohmann::json parse(std::string_view text) {
        std::istringstream in{std::string(text)};
        std::ostringstream out;
        std::ostringstream err;
        VirtualClock clock;
        ctl::CtlContext context{in, out, err, clock};
        nlohmann::json value;
        if (!ctl::ReadJsonInput(context, "fuzz", value)) {
            return nlohmann::json(nlohmann::json::value_t::discarded);
        }
        return value;
    }

    static void requireSameFile(const Record& a, const Record& b) {
        DataStream x;
        DataStream y;
        Format::Write(x, a);
        Format::Write(y, b);
        if (!std::ranges::equal(x.bytes(), y.bytes())) {
            std::abort();
        }
    }

    // The JSON printed for `record` read back into a new record, as a show
    // piped into a write does.
    static void requireShowWrite(const Record& record) {
        const nlohmann::json again = parse(Format::ToJson(record).dump(2));
        Record written;
        std::string error;
        if (again.is_discarded() || !Format::FromJson(again, written, error)) {
            std::abort();
        }
        Record expected = record;
        Format::NormalizeTexts(expected);
        requireSameFile(expected, written);
    }

    static void fromJson(std::string_view text) {
        const nlohmann::json json = parse(text);
        Record record;
        std::string error;
        if (json.is_discarded() || !Format::FromJson(json, record, error)) {
            return;
        }
        DataStream file;
        Format::Write(file, record);
        DataStream input(file.bytes());
        Record reread;
        if (!Format::Read(input, reread)) {
            std::abort();
        }
        requireShowWrite(reread);
    }

    static void fromFile(std::span<const std::uint8_t> bytes) {
        DataStream input(bytes);
        Record record;
        if (Format::Read(input, record)) {
            requireShowWrite(record);
        }
    }
};

}  // namespace solune::fuzz
