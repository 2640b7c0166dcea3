#pragma once
// A whole update against the virtual mouse with the virtual clock: a package of
// a virtual firmware image, the mouse in normal mode, the link and procedures.

#include <gtest/gtest.h>

#include "simulator/SimulatedHidBackend.h"
#include "simulator/VirtualFirmware.h"
#include "tests/support/UpdaterTestSupport.h"
#include "updater/bootloader/FirmwarePackage.h"
#include "updater/bootloader/PackageWriter.h"
#include "updater/bootloader/UpdateProcedures.h"

namespace solune::test {

using Waits = std::vector<std::int64_t>;
using Messages = std::vector<std::string>;

inline simulator::MouseState MouseWithVersion(std::uint16_t version, std::uint8_t generation = 2) {
    simulator::MouseState state;
    state.firmwareVersion = version;
    state.protocolGeneration = generation;
    return state;
}

// Appends `times` copies of `waits` to `out`.
inline void Repeat(Waits& out, const Waits& waits, int times) {
    for (int i = 0; i < times; ++i) {
        out.insert(out.end(), waits.begin(), waits.end());
    }
}

class UpdateFixture : public ::testing::Test {
  protected:
    explicit UpdateFixture(simulator::MouseState mouse = MouseWithVersion(107),
                           std::size_t imageSize = 3 * 1024 - 100)
        : m_sim(std::move(mouse)) {
        const std::vector<std::uint8_t> image = simulator::MakeVirtualFirmwareImage(108, imageSize);
        EXPECT_EQ(WriteFirmwarePackage(m_log.dir / "pkg", "SOLUNE300_1.08.fub", "1.08", image,
                                       u"SOLUNE 300"),
                  PackResult::Written);
        EXPECT_EQ(m_package.ReadFirmwareConfig(m_log.dir / "pkg"), 1);
        EXPECT_EQ(m_package.LoadFirmwareImage(m_log.dir / "pkg", m_package.FirmwareFileName()), 1);
        m_log.log.SetFilePath(m_log.dir / "update.log");  // the package's lines stay apart
    }

    simulator::MouseState MouseNow() { return m_sim.State(); }
    void ChangeMouse(const std::function<void(simulator::MouseState&)>& change) {
        ASSERT_TRUE(m_sim.Change(change));
    }
    void Fault(const std::string& name, int count, int value = 0) {
        ChangeMouse([&](simulator::MouseState& s) { simulator::SetFault(s, name, count, value); });
    }
    std::vector<std::string> UpdateLog() {
        TestLog reader;
        std::filesystem::copy_file(m_log.dir / "update.log", reader.dir / "SOLUNELog.log");
        return reader.Messages();
    }

    // The waits of TransferImage for `blocks` blocks that verify at once.
    static Waits TransferWaits(int blocks, std::uint8_t generation = 2) {
        Waits w = {50, 200, 500};
        Repeat(w, {60, 20, 30, 70}, blocks);
        w.insert(w.end(), {200, 50, 6000});
        const Waits reread = generation == 2 ? Waits{50, 50, 10} : Waits{50, 10};
        w.insert(w.end(), reread.begin(), reread.end());
        return w;
    }

    TestLog m_log;
    RecordingView m_view;
    FirmwarePackage m_package{m_log.log, m_view};
    simulator::SimulatedMouse m_sim;
    VirtualClock m_clock;
    BootLoaderLink m_link{m_sim.backend(), m_clock};
    UpdateProcedures m_procedures{m_link, m_clock, m_log.log, m_view};
};

}  // namespace solune::test
