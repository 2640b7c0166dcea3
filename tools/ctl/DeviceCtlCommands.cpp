#include "tools/ctl/DeviceCtlCommands.h"

#include <cstdio>
#include <memory>
#include <string>

#include "config/device/DeviceCommands.h"
#include "config/device/HidLink.h"
#include "config/device/WriteProfileImage.h"
#include "devicechoice/DeviceChoice.h"
#include "platform/VersionText.h"
#include "tools/ctl/NoMouseReport.h"
#include "tools/ctl/ProfileLoading.h"

namespace solune::ctl {

namespace {

DeviceAccess& access() {
    static DeviceAccess current;
    return current;
}

// One connection to the mouse for one command: the backend, the link, the search.
class Connection {
  public:
    explicit Connection(Clock& clock) {
        const DeviceAccess& a = access();
        m_backend = a.makeBackend ? a.makeBackend() : CreateSystemHidBackend();
        // A backend that could not be made means no mouse, as for the firmware commands.
        if (m_backend) {
            m_link = std::make_unique<HidLink>(*m_backend, clock);
        }
    }
    ~Connection() {
        if (m_link) {
            m_link->CloseDevice();
        }
    }

    // True with the mouse open; otherwise reports "SOLUNE 300 mouse not found",
    // or what is wrong with the virtual mouse's state file.
    bool Find(CtlContext& c) {
        if (m_link && m_link->FindDevice()) {
            return true;
        }
        if (m_link) {
            m_link->CloseDevice();
        }
        ReportNoMouse(c, access().makeBackend == nullptr);
        return false;
    }
    HidLink& link() { return *m_link; }

  private:
    std::unique_ptr<HidBackend> m_backend;
    std::unique_ptr<HidLink> m_link;
};

// Runs `command` on the mouse; a result other than Done is reported as `failure`.
void run(CtlContext& c, const std::string& failure,
         const std::function<CommandResult(HidLink&)>& command) {
    Connection connection(c.clock);
    if (!connection.Find(c)) {
        return;
    }
    if (command(connection.link()) != CommandResult::Done) {
        c.Fail(kExitCommandFailed, failure);
    }
}

void addInfoCommands(CLI::App& device, CtlContext& c) {
    device.add_subcommand("info", "Print the mouse's firmware version")->callback([&c] {
        run(c, "the mouse did not report its firmware version", [&c](HidLink& link) {
            DeviceInfo info;
            const CommandResult result = GetDeviceInfo(link, info);
            if (result == CommandResult::Done) {
                c.out << VersionText(info.firmwareVersion) << '\n';
            }
            return result;
        });
    });
    device.add_subcommand("active", "Print the mouse's active profile slot (0 ... 4)")
        ->callback([&c] {
            run(c, "the mouse did not report its active slot", [&c](HidLink& link) {
                int slot = 0;
                const CommandResult result = GetActiveProfile(link, slot);
                if (result == CommandResult::Done) {
                    c.out << slot << '\n';
                }
                return result;
            });
        });
    auto* activate = device.add_subcommand("activate", "Make a profile slot the active one");
    auto slot = std::make_shared<int>(0);
    activate->add_option("SLOT", *slot, "The slot 0 ... 4")->required()->check(CLI::Range(0, 4));
    activate->callback([&c, slot] {
        run(c, "the mouse did not take the active slot", [slot](HidLink& link) {
            return SetActiveProfile(link, static_cast<std::uint8_t>(*slot));
        });
    });
}

void addWriteProfile(CLI::App& device, CtlContext& c) {
    auto* cmd = device.add_subcommand(
        "write-profile", "Write a profile file's settings image into a slot of the mouse");
    auto file = std::make_shared<std::string>();
    auto slot = std::make_shared<int>(0);
    cmd->add_option("FILE", *file, "The profile file")->required();
    cmd->add_option("--slot", *slot, "The mouse's slot 0 ... 4")
        ->required()
        ->check(CLI::Range(0, 4));
    cmd->callback([&c, file, slot] {
        Profile profile;
        if (!LoadProfileOrFail(c, *file, profile)) {
            return;
        }
        profile.slot = static_cast<std::uint8_t>(*slot);
        Connection connection(c.clock);
        if (!connection.Find(c)) {
            return;
        }
        switch (WriteProfileImage(connection.link(), profile)) {
            case CommandResult::Done:
                return;
            case CommandResult::Limit:
                c.Fail(kExitLimit,
                       *file + ": the macros hold more than 164 events; nothing was sent");
                return;
            case CommandResult::Failed:
                c.Fail(kExitCommandFailed, "the mouse did not take the settings image");
                return;
        }
    });
}

void addSensorCommands(CLI::App& device, CtlContext& c) {
    auto* lod = device.add_subcommand("lod", "Lift-off distance: test a value, or save it");
    lod->require_subcommand(1);
    struct LodAction {
        const char* name;
        const char* help;
        const char* failure;
        CommandResult (*command)(HidLink&, std::uint8_t);
    };
    static constexpr LodAction kActions[] = {
        {"test", "Let the sensor try a lift-off value", "Test_LOD failed.", &TestLiftOff},
        {"save", "Save a lift-off value in the sensor", "Save_LOD failed.", &SaveLiftOff},
    };
    for (const LodAction& action : kActions) {
        auto* cmd = lod->add_subcommand(action.name, action.help);
        auto value = std::make_shared<int>(0);
        cmd->add_option("VALUE", *value, "The value; clamped to 6 ... 31")->required();
        cmd->callback([&c, value, &action] {
            run(c, action.failure, [&action, value](HidLink& link) {
                return action.command(link, static_cast<std::uint8_t>(ClampLiftOff(*value)));
            });
        });
    }

    auto* surface = device.add_subcommand("surface", "Surface analysis of the mouse's sensor");
    surface->require_subcommand(1);
    surface->add_subcommand("start", "Start the surface analysis")->callback([&c] {
        run(c, "the mouse did not start the surface analysis",
            [](HidLink& link) { return StartSurfaceAnalysis(link); });
    });
    surface->add_subcommand("get", "Print the surface measure 0 ... 255")->callback([&c] {
        run(c, "the mouse did not report the surface measure", [&c](HidLink& link) {
            std::uint8_t measure = 0;
            const CommandResult result = GetSurfaceAnalysis(link, measure);
            if (result == CommandResult::Done) {
                c.out << static_cast<int>(measure) << '\n';
            }
            return result;
        });
    });
}

}  // namespace

void SetDeviceAccess(DeviceAccess a) {
    access() = std::move(a);
}

void AddDeviceCommands(CLI::App& app, CtlContext& context) {
    CLI::App* device = app.add_subcommand(
        "device", "Talk to the mouse (SOLUNE300_SIMULATOR=<state file> uses the virtual mouse)");
    device->require_subcommand(1);
    addInfoCommands(*device, context);
    addWriteProfile(*device, context);
    addSensorCommands(*device, context);
}

}  // namespace solune::ctl
