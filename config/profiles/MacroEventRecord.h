#pragma once
// One macro event as macro files and profile files store it: kind (byte), code
// (int16), edge (byte), delay (int32).

#include <cstdint>

#include "config/profiles/DataStream.h"

namespace solune {

// `Event` is CMacroEvent or a row that carries the same four fields (CEventItem).
template <typename Event>
void WriteMacroEvent(DataStream& s, const Event& e) {
    s.WriteByte(e.kind);
    s.WriteInt16(e.code);
    s.WriteByte(e.edge);
    s.WriteInt32(e.delay);
}

// Reads one event; false, with `e` untouched, when the data ends first.
template <typename Event>
bool ReadMacroEvent(DataStream& s, Event& e) {
    std::uint8_t kind = 0;
    std::int16_t code = 0;
    std::uint8_t edge = 0;
    std::int32_t delay = 0;
    if (!s.ReadByte(kind) || !s.ReadInt16(code) || !s.ReadByte(edge) || !s.ReadInt32(delay)) {
        return false;
    }
    e.kind = kind;
    e.code = code;
    e.edge = edge;
    e.delay = delay;
    return true;
}

}  // namespace solune
