#include "config/profiles/ProfileFile.h"

#include <algorithm>
#include <iterator>

#include "config/profiles/MacroEventRecord.h"

namespace solune {

namespace {

void writeMacro(DataStream& s, const ButtonMacro& macro) {
    s.WriteInt32(macro.id);
    s.WriteString(macro.name);
    s.WriteInt32(static_cast<std::int32_t>(macro.events.size()));
    for (const CMacroEvent& e : macro.events) {
        WriteMacroEvent(s, e);
    }
}

bool readMacro(DataStream& s, ButtonMacro& macro) {
    macro.events.clear();
    std::int32_t count = 0;
    if (!s.ReadInt32(macro.id) || !s.ReadString(macro.name) || !s.ReadInt32(count)) {
        return false;
    }
    // The count comes from the file: events are appended as they are read
    // rather than reserved up front, so a huge count costs nothing.
    for (std::int32_t i = 0; i < count; ++i) {
        CMacroEvent e;
        if (!ReadMacroEvent(s, e)) {
            return false;
        }
        macro.events.push_back(e);
    }
    return true;
}

bool readSettings(DataStream& s, Profile& p) {
    std::int16_t definedValue = 0;
    bool ok = s.ReadString(p.name) && s.ReadInt32(p.enabled) && s.ReadInt16(p.reserved) &&
              s.ReadInt16(p.pollingInterval) && s.ReadInt16(p.doubleClickSetting) &&
              s.ReadInt16(p.scrollLines) && s.ReadInt32(p.scrollByLines) &&
              s.ReadInt32(p.scrollByPage) && s.ReadInt32(p.accelerationEnabled) &&
              s.ReadInt32(p.separateXY) && s.ReadInt32(p.definedMode) &&
              s.ReadByte(p.dpiStageIndex);
    for (DpiLevel& level : p.dpiLevels) {
        ok = ok && s.ReadInt16(level.x) && s.ReadInt16(level.y);
    }
    ok = ok && s.ReadByte(p.pointerSpeed) && s.ReadInt16(definedValue);
    if (!ok) {
        return false;
    }
    p.definedValue = static_cast<std::uint8_t>(definedValue);
    return s.ReadByte(p.angleSnap) && s.ReadByte(p.liftOffDistance) &&
           s.ReadInt16(p.surfaceQuality);
}

bool readLightingAndButtons(DataStream& s, Profile& p) {
    for (ColorRef& color : p.zoneColors) {
        std::int32_t value = 0;
        if (!s.ReadNumberText(value)) {
            return false;
        }
        color = static_cast<ColorRef>(value);
    }
    if (!s.ReadInt32(p.lightingZones) || !s.ReadInt32(p.lightingEffect)) {
        return false;
    }
    for (ButtonAssignment& b : p.buttons) {
        if (!s.ReadByte(b.button) || !s.ReadByte(b.function) || !s.ReadInt16(b.parameter)) {
            return false;
        }
    }
    return true;
}

// The profile from a stream that `read` filled.
ProfileReadResult readLoaded(DataStream& stream, FileReadResult read, Profile& profile) {
    if (read == FileReadResult::TooLarge) {
        return ProfileReadResult::TooLarge;
    }
    if (read != FileReadResult::Done) {
        return ProfileReadResult::Unreadable;
    }
    return ReadProfile(stream, profile);
}

}  // namespace

void WriteProfile(DataStream& s, const Profile& p) {
    for (std::uint8_t b : kProfileMagic) {
        s.WriteByte(b);
    }
    s.WriteString(p.name);
    s.WriteInt32(p.enabled);
    s.WriteInt16(p.reserved);
    s.WriteInt16(p.pollingInterval);
    s.WriteInt16(p.doubleClickSetting);
    s.WriteInt16(p.scrollLines);
    s.WriteInt32(p.scrollByLines);
    s.WriteInt32(p.scrollByPage);
    s.WriteInt32(p.accelerationEnabled);
    s.WriteInt32(p.separateXY);
    s.WriteInt32(p.definedMode);
    s.WriteByte(p.dpiStageIndex);
    for (const DpiLevel& level : p.dpiLevels) {
        s.WriteInt16(level.x);
        s.WriteInt16(level.y);
    }
    s.WriteByte(p.pointerSpeed);
    s.WriteInt16(static_cast<std::int8_t>(p.definedValue));  // sign-extended
    s.WriteByte(p.angleSnap);
    s.WriteByte(p.liftOffDistance);
    s.WriteInt16(p.surfaceQuality);
    for (ColorRef color : p.zoneColors) {
        s.WriteNumberText(static_cast<std::int32_t>(color));
    }
    s.WriteInt32(p.lightingZones);
    s.WriteInt32(p.lightingEffect);
    for (const ButtonAssignment& b : p.buttons) {
        s.WriteByte(b.button);
        s.WriteByte(b.function);
        s.WriteInt16(b.parameter);
    }
    for (const ButtonMacro& macro : p.macros) {
        writeMacro(s, macro);
    }
}

ProfileReadResult ReadProfile(DataStream& s, Profile& p) {
    std::uint8_t magic[4] = {};
    for (std::uint8_t& b : magic) {
        if (!s.ReadByte(b)) {
            return ProfileReadResult::Foreign;
        }
    }
    if (!std::equal(std::begin(magic), std::end(magic), std::begin(kProfileMagic))) {
        return ProfileReadResult::Foreign;
    }
    if (!readSettings(s, p) || !readLightingAndButtons(s, p)) {
        return ProfileReadResult::Truncated;
    }
    for (ButtonMacro& macro : p.macros) {
        if (!readMacro(s, macro)) {
            return ProfileReadResult::Truncated;
        }
    }
    return ProfileReadResult::Complete;
}

FileWriteStatus SaveProfile(const Profile& profile, const std::filesystem::path& path) {
    DataStream stream;
    WriteProfile(stream, profile);
    return stream.SaveFile(path);
}

FileWriteStatus SaveProfile(const Profile& profile, const std::filesystem::path& root,
                            const std::filesystem::path& relative) {
    DataStream stream;
    WriteProfile(stream, profile);
    return stream.SaveDataFile(root, relative);
}

ProfileReadResult LoadProfile(const std::filesystem::path& path, Profile& profile) {
    DataStream stream;
    return readLoaded(stream, stream.LoadRegularFile(path, kMaxProfileFileBytes), profile);
}

ProfileReadResult LoadProfile(const std::filesystem::path& root,
                              const std::filesystem::path& relative, Profile& profile) {
    DataStream stream;
    return readLoaded(stream, stream.LoadDataFile(root, relative, kMaxProfileFileBytes), profile);
}

}  // namespace solune
