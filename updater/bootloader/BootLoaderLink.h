#pragma once
// The updater's HID link to the mouse, in normal mode (product 0x1308) and in
// its boot loader (product 0x1307), both on the vendor interface (usage page
// 0xFF01, usage 2). One device is open at a time.
//
// Every buffer starts with its report id; bytes not named are 0; multi-byte
// values are little-endian. Every wait goes through the Clock. Set-feature calls
// are plain transfers without a retry.
//
// Normal mode (results 1 done / 3 failed):
//   ready poll          get 0x20, 9 bytes: [1] = 1 when ready
//   older version       set 0x03, 8 bytes [1]=0x04; WaitReady; get 0x04, 64 bytes:
//                       [1..2] version in hundredths
//   protocol generation set 0x60, 64 bytes [1]=0x01; 50 ms; get 0x60: [16]
//   device info         set 0x60 [1]=0x02; 50 ms; get 0x60; 10 ms: [16..17] version
//   older boot request  set 0x20, 8 bytes [1..5]=06 09 00 00 08; WaitReady;
//                       set 0x21, 9 bytes [1..8]=6B 96 2E 10 03 CB 00 01; WaitReady
//   newer boot request  set 0x60 [1]=0x3A [5..7]=6B 96 2E; 10 ms; get 0x60; 30 ms
// Boot loader (results: the reply's status, 0 when the request was not sent):
//   echo       set 0x81, 1041 bytes [1]=1 [2]=1 [16..1039] block; 20 ms;
//              get 0x81: [16..1039] must come back unchanged, else 4 (HC_ERROR)
//   info       set 0x80, 64 bytes [1]=2; 100 ms; get 0x80: [16..63] information,
//              of it [20..21] vendor id, [22..23] product id
//   start      set 0x80 [1]=3 [16]=block count [17..20]=checksum; 50 ms; get 0x80;
//              200 ms
//   write      set 0x81 [1]=6 [2]=number [3..4]=16-bit sum [16..1039] block;
//              60 ms; get 0x80
//   read       set 0x80 [1]=7 [2]=number; 20 ms; get 0x81: [6..7] the mouse's sum
//   complete   set 0x80 [1]=9; 50 ms; get 0x80

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/Clock.h"
#include "platform/HidBackend.h"

namespace solune {

inline constexpr std::size_t kShortReportSize = 64;    // report 0x80
inline constexpr std::size_t kBlockReportSize = 1041;  // report 0x81
inline constexpr std::size_t kInfoSize = 48;           // bytes 16..63 of the info reply

using BlockSpan = std::span<const std::uint8_t, 1024>;

class BootLoaderLink {
  public:
    // Borrows `backend` and `clock` for the life of the link.
    BootLoaderLink(HidBackend& backend, Clock& clock) : m_backend(backend), m_clock(clock) {}

    // Closes a device still open, then opens the first present interface with
    // these ids, usage page 0xFF01 and usage 2. Returns 1 when one is open.
    int FindHidDevice(std::uint16_t vendorId, std::uint16_t productId);
    void CloseDevice() { m_device.reset(); }
    bool IsOpen() const { return m_device != nullptr; }

    // Reads a boot-loader reply into `buffer` (the caller cleared it and set the
    // report id). 1 when the read worked and byte 1 is not 3 (HC_NOT_READY);
    // otherwise up to three re-reads: 1 as soon as byte 1 is 1, a 50 ms wait after
    // each other outcome, 0 after the third. The buffer keeps the last reply.
    int GetFeatureWithRetry(std::span<std::uint8_t> buffer);

    // Up to 10 reads of report 0x20 until byte 1 is 1, waiting 10, 20, 40, then
    // 80 ms after each read (after the successful one too). True when ready.
    bool WaitReady();

    // Normal-mode requests; see the table above.
    int OlderVersionRequest(std::uint16_t& version);
    int GetProtocolGeneration();
    int GetDeviceInfo(std::uint16_t& version);
    int OlderBootRequest();
    int NewerBootRequest();
    // GetProtocolGeneration, then GetDeviceInfo when the generation is 2, else
    // the older version request. 1 with `version` set, or 3.
    int ReadMouseVersion(std::uint16_t& version);
    // The newer boot request for protocol generation 2, else the older one.
    int SendBootRequest();
    // 0 until read from the mouse.
    std::uint8_t ProtocolGeneration() const { return m_protocolGeneration; }

    // Boot-loader commands; see the table above.
    int SendEcho(BlockSpan block);
    // `info` receives bytes 16..63 of the reply when the reply was read.
    int GetBootLoaderInfo(std::array<std::uint8_t, kInfoSize>& info);
    int SendStart(std::uint8_t blockCount, std::int32_t checksum);
    int WriteBlock(BlockSpan block, std::uint8_t number);
    // `reply` receives the whole reply when it was read with status 1.
    int ReadBlock(std::uint8_t number, std::array<std::uint8_t, kBlockReportSize>& reply);
    int SendComplete();
    // Reads block `number` back and compares its sum: 1 when it matches; 0 when
    // the read-back fails; otherwise the block is written once more and that
    // write's status is the result.
    int VerifyBlock(BlockSpan block, std::uint8_t number);

    // The system's error number (errno) of the last transfer when it failed; 0
    // after a transfer that worked or one that failed without a number.
    int LastSystemError() const { return m_lastSystemError; }

  private:
    // Keeps the transfer's error number; true when it worked.
    bool noteResult(const HidResult& result);
    bool send(std::span<const std::uint8_t> report);
    bool get(std::span<std::uint8_t> report);
    void wait(int ms) { m_clock.Sleep(std::chrono::milliseconds(ms)); }
    // Sends `request`, waits `waitMs` and reads the reply into `reply` (cleared,
    // report id set). The status, or 0 when not sent; `gotReply` says whether
    // GetFeatureWithRetry gave 1.
    int exchange(std::span<const std::uint8_t> request, int waitMs, std::span<std::uint8_t> reply,
                 bool& gotReply);

    HidBackend& m_backend;
    Clock& m_clock;
    std::unique_ptr<HidDevice> m_device;
    std::uint8_t m_protocolGeneration = 0;
    int m_lastSystemError = 0;
};

}  // namespace solune
