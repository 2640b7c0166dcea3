#pragma once
// The ".profile" file: one Profile as bytes, fields one after the other.
//
//   magic 12 06 33 01, name (string), enabled (int32), reserved, pollingInterval,
//   doubleClickSetting, scrollLines (int16 each), scrollByLines, scrollByPage,
//   accelerationEnabled, separateXY, definedMode (int32 each), dpiStageIndex
//   (byte), dpiLevels as x1 y1 x2 y2 x3 y3 (int16 each), pointerSpeed (byte),
//   definedValue (int16, sign-extended), angleSnap, liftOffDistance (bytes),
//   surfaceQuality (int16), zoneColors 1 ... 4 (number text of the COLORREF),
//   lightingZones, lightingEffect (int32), buttons 0 ... 8 as button, function
//   (bytes) and parameter (int16), then macros 0 ... 8 as id (int32), name
//   (string), event count N (int32) and N events of kind (byte), code (int16),
//   edge (byte), delay (int32).
//
// Not in the file: filePath, slot, accelerationLevel and the buttons'
// fallbackFunction; a loaded profile keeps its own.

#include <filesystem>

#include "config/profiles/DataStream.h"
#include "config/profiles/Profile.h"

namespace solune {

inline constexpr std::uint8_t kProfileMagic[4] = {0x12, 0x06, 0x33, 0x01};

// The largest profile file read. A macro file holds at most 1 MiB, about
// 32,700 events of 32 bytes; in a profile an event takes 8 bytes, so nine such
// macros take 2.25 MiB. 4 MiB leaves room for long names and the fixed fields
// while a runaway file is refused before it is read.
inline constexpr std::size_t kMaxProfileFileBytes = 4u << 20;

enum class ProfileReadResult {
    Complete,    // every field was read
    Truncated,   // the data ended early; the fields before the end were stored
    Foreign,     // the magic is wrong (or missing): the profile is unchanged
    Unreadable,  // the file could not be read: the profile is unchanged
    TooLarge,    // the file is larger than kMaxProfileFileBytes: the profile is unchanged
};

// Appends the profile in file order.
void WriteProfile(DataStream& stream, const Profile& profile);

// Reads a profile in file order from the stream's cursor. Each field is stored
// as soon as it has been read whole, so data that ends early leaves the fields
// before its end changed and the rest as they were. A macro's event list is
// emptied when its id is about to be read and takes each event as it is read.
ProfileReadResult ReadProfile(DataStream& stream, Profile& profile);

// Writes the profile file, replacing `path` only once the whole file is on
// disk. The status says why the file could not be written.
FileWriteStatus SaveProfile(const Profile& profile, const std::filesystem::path& path);

// Reads the profile file into `profile` (see ReadProfile). Only a regular file
// of at most kMaxProfileFileBytes is read; a pipe or device is not waited on.
ProfileReadResult LoadProfile(const std::filesystem::path& path, Profile& profile);

// The same for the file `relative` of the data folder `root` (DataFolderFiles.h:
// no link below the root is followed, only the user's own files are used, a
// saved file is 0600 in folders of 0700). A link or another user's file there
// is Unreadable for the load and a failure for the save, which never writes
// what a link points to (the link itself is replaced by the file).
FileWriteStatus SaveProfile(const Profile& profile, const std::filesystem::path& root,
                            const std::filesystem::path& relative);
ProfileReadResult LoadProfile(const std::filesystem::path& root,
                              const std::filesystem::path& relative, Profile& profile);

}  // namespace solune
