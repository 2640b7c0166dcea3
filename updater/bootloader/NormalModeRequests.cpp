// The updater's requests to the mouse in normal mode.
#include <array>

#include "updater/bootloader/BootLoaderLink.h"
#include "updater/bootloader/StatusCodes.h"

namespace solune {

namespace {

constexpr std::uint8_t kUnlock[3] = {0x6B, 0x96, 0x2E};

std::array<std::uint8_t, 64> commandReport(std::uint8_t command) {
    std::array<std::uint8_t, 64> report{0x60, command};
    return report;
}

}  // namespace

int BootLoaderLink::OlderVersionRequest(std::uint16_t& version) {
    const std::array<std::uint8_t, 8> request{0x03, 0x04};
    if (!send(request) || !WaitReady()) {
        return kRequestFailed;
    }
    std::array<std::uint8_t, 64> reply{0x04};
    // A failed read would leave zeros and pass them off as version 0.00, which
    // makes any package look newer; it counts as a failed request instead.
    if (!get(reply)) {
        return kRequestFailed;
    }
    version = static_cast<std::uint16_t>(reply[1] | (reply[2] << 8));
    return kRequestDone;
}

int BootLoaderLink::GetProtocolGeneration() {
    if (!send(commandReport(0x01))) {
        return kRequestFailed;
    }
    wait(50);
    std::array<std::uint8_t, 64> reply{0x60};
    if (!get(reply)) {
        return kRequestFailed;
    }
    m_protocolGeneration = reply[16];
    return kRequestDone;
}

int BootLoaderLink::GetDeviceInfo(std::uint16_t& version) {
    if (!send(commandReport(0x02))) {
        return kRequestFailed;
    }
    wait(50);
    std::array<std::uint8_t, 64> reply{0x60};
    const bool read = get(reply);
    wait(10);
    if (!read) {
        return kRequestFailed;
    }
    version = static_cast<std::uint16_t>(reply[16] | (reply[17] << 8));
    return kRequestDone;
}

int BootLoaderLink::ReadMouseVersion(std::uint16_t& version) {
    if (GetProtocolGeneration() == kRequestDone && m_protocolGeneration == 2) {
        return GetDeviceInfo(version);
    }
    return OlderVersionRequest(version);
}

int BootLoaderLink::OlderBootRequest() {
    const std::array<std::uint8_t, 8> step1{0x20, 0x06, 0x09, 0x00, 0x00, 0x08};
    const std::array<std::uint8_t, 9> step2{0x20 + 1, kUnlock[0], kUnlock[1], kUnlock[2], 0x10,
                                            0x03,     0xCB,       0x00,       0x01};
    if (!send(step1) || !WaitReady() || !send(step2) || !WaitReady()) {
        return kRequestFailed;
    }
    return kRequestDone;
}

int BootLoaderLink::NewerBootRequest() {
    std::array<std::uint8_t, 64> request = commandReport(0x3A);
    request[5] = kUnlock[0];
    request[6] = kUnlock[1];
    request[7] = kUnlock[2];
    const bool sent = send(request);
    // The mouse needs the 10 ms whether or not the transfer reported success.
    wait(10);
    if (!sent) {
        return kRequestFailed;
    }
    std::array<std::uint8_t, 64> reply{0x60};
    const bool read = get(reply);
    wait(30);
    return read ? kRequestDone : kRequestFailed;
}

int BootLoaderLink::SendBootRequest() {
    return m_protocolGeneration == 2 ? NewerBootRequest() : OlderBootRequest();
}

}  // namespace solune
