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

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "config/profiles/DataStream.h"

namespace solune::fuzz {

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
    // The JSON text the way the command line reads standard input: malformed
    // text gives a discarded value.
    static nlohmann::json parse(std::string_view text) {
        return nlohmann::json::parse(text, nullptr, /*allow_exceptions=*/false);
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
        requireSameFile(record, written);
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
