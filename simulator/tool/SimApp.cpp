#include "simulator/tool/SimApp.h"

#include <CLI/CLI.hpp>

#include <charconv>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "platform/VersionText.h"
#include "simulator/MouseStateJson.h"
#include "simulator/MouseStore.h"
#include "simulator/SimulatorStateFile.h"
#include "simulator/VirtualMouse.h"

namespace solune::simulator {

namespace {

struct SimContext {
    std::ostream& out;
    std::ostream& err;
    std::string stateFile;
    int exitCode = kSimExitOk;

    void Fail(int code, const std::string& message) {
        err << "solune300-sim: " << message << '\n';
        exitCode = code;
    }

    // The store of the state file; null (with a message) when none is named.
    std::unique_ptr<FileMouseStore> Store() {
        std::string file = stateFile.empty() ? SimulatorStateFile() : stateFile;
        if (file.empty()) {
            Fail(kSimExitBadInput, "no state file: give --state FILE or set SOLUNE300_SIMULATOR");
            return nullptr;
        }
        return std::make_unique<FileMouseStore>(file);
    }

    // Changes the state in one exchange. `change` returns false (after its own
    // message) to leave the state as it was.
    void Change(const std::function<bool(MouseState&)>& change) {
        auto store = Store();
        if (!store) {
            return;
        }
        if (!store->Exchange(change) && exitCode == kSimExitOk) {
            Fail(kSimExitStateFailed, store->LastError());
        }
    }
};

// Parses a firmware version as the programs print it ("1.05"), with one
// decimal ("3.1" is 3.10) or in hundredths ("105"); false when it is none of
// these or out of 0 ... 655.35.
bool parseVersion(const std::string& text, std::uint16_t& version) {
    std::string full = text;
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        unsigned value = 0;
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || stop != text.data() + text.size() ||
            value > 0xFFFF) {
            return false;
        }
        version = static_cast<std::uint16_t>(value);
        return true;
    }
    if (text.size() == point + 2) {
        full += '0';
    }
    const std::optional<std::uint16_t> parsed = ParseVersionText(full);
    if (!parsed) {
        return false;
    }
    version = *parsed;
    return true;
}

std::string faultList() {
    VirtualMouse mouse;
    AddStandardHandlers(mouse);
    std::string text = "Faults (each acts on the next COUNT occasions):\n";
    for (const FaultKind& fault : mouse.Faults()) {
        text += std::string("  ") + fault.name + (fault.takesValue ? " (--value)" : "") + ": " +
                fault.help + "\n";
    }
    return text;
}

bool knownFault(const std::string& name, bool& takesValue) {
    VirtualMouse mouse;
    AddStandardHandlers(mouse);
    for (const FaultKind& fault : mouse.Faults()) {
        if (name == fault.name) {
            takesValue = fault.takesValue;
            return true;
        }
    }
    return false;
}

void addCreate(CLI::App& app, SimContext& c) {
    auto* cmd = app.add_subcommand("create", "Create a state file: a new mouse, plugged in");
    auto force = std::make_shared<bool>(false);
    auto version = std::make_shared<std::string>("1.05");
    auto generation = std::make_shared<int>(2);
    cmd->add_flag("--force", *force, "Replace a state file that exists");
    cmd->add_option("--firmware", *version, "Firmware version, as 1.05 or 105 (default 1.05)");
    cmd->add_option("--generation", *generation, "Protocol generation 0 ... 255 (default 2)")
        ->check(CLI::Range(0, 255));
    cmd->callback([&c, force, version, generation] {
        MouseState state;
        if (!parseVersion(*version, state.firmwareVersion)) {
            c.Fail(kSimExitBadInput, "--firmware: not a version such as 1.05 or 105");
            return;
        }
        state.protocolGeneration = static_cast<std::uint8_t>(*generation);
        auto store = c.Store();
        if (!store) {
            return;
        }
        std::error_code ec;
        if (!*force && std::filesystem::exists(store->file(), ec)) {
            c.Fail(kSimExitBadInput,
                   store->file().string() + ": exists already (use --force to replace it)");
            return;
        }
        if (!store->Create(state)) {
            c.Fail(kSimExitStateFailed, store->LastError());
        }
    });
}

void addShow(CLI::App& app, SimContext& c) {
    auto* cmd = app.add_subcommand("show", "Print the mouse's state as JSON");
    cmd->callback([&c] {
        auto store = c.Store();
        MouseState state;
        if (!store) {
            return;
        }
        if (!store->Read(state)) {
            c.Fail(kSimExitStateFailed, store->LastError());
            return;
        }
        c.out << ToJson(state).dump(2) << '\n';
    });
}

void addPlugging(CLI::App& app, SimContext& c) {
    app.add_subcommand("plug", "Plug the mouse in (a new device to the system)")->callback([&c] {
        c.Change([](MouseState& s) {
            if (!s.plugged) {
                Replug(s);
            }
            return true;
        });
    });
    app.add_subcommand("unplug", "Unplug the mouse")->callback([&c] {
        c.Change([](MouseState& s) {
            s.plugged = false;
            return true;
        });
    });
    auto* mode = app.add_subcommand(
        "mode", "Restart the mouse in another mode: normal (product 1308) or bootloader (1307)");
    auto name = std::make_shared<std::string>();
    mode->add_option("MODE", *name, "normal or bootloader")->required();
    mode->callback([&c, name] {
        MouseMode target;
        if (!ModeFromName(*name, target)) {
            c.Fail(kSimExitBadInput, "MODE: not normal or bootloader");
            return;
        }
        c.Change([target](MouseState& s) {
            s.mode = target;
            Replug(s);
            return true;
        });
    });
}

void addButton(CLI::App& app, SimContext& c) {
    auto* cmd = app.add_subcommand(
        "button", "Press the mouse's own profile button: the next slot (4 wraps to 0) is active");
    auto slot = std::make_shared<int>(-1);
    cmd->add_option("--slot", *slot, "Make this slot 0 ... 4 active instead of the next")
        ->check(CLI::Range(0, kSlotCount - 1));
    cmd->callback([&c, slot] {
        c.Change([&c, slot](MouseState& s) {
            s.activeSlot =
                static_cast<std::uint8_t>(*slot >= 0 ? *slot : (s.activeSlot + 1) % kSlotCount);
            c.out << static_cast<int>(s.activeSlot) << '\n';
            return true;
        });
    });
}

void addSettings(CLI::App& app, SimContext& c) {
    auto* firmware = app.add_subcommand("firmware", "Set the firmware version the mouse reports");
    auto version = std::make_shared<std::string>();
    firmware->add_option("VERSION", *version, "As 1.05 or 105")->required();
    firmware->callback([&c, version] {
        std::uint16_t value = 0;
        if (!parseVersion(*version, value)) {
            c.Fail(kSimExitBadInput, "VERSION: not a version such as 1.05 or 105");
            return;
        }
        c.Change([value](MouseState& s) {
            s.firmwareVersion = value;
            return true;
        });
    });
    auto* generation =
        app.add_subcommand("generation", "Set the protocol generation the mouse reports");
    auto number = std::make_shared<int>(0);
    generation->add_option("N", *number, "0 ... 255")->required()->check(CLI::Range(0, 255));
    generation->callback([&c, number] {
        c.Change([number](MouseState& s) {
            s.protocolGeneration = static_cast<std::uint8_t>(*number);
            return true;
        });
    });
}

void addFaults(CLI::App& app, SimContext& c) {
    auto* fault = app.add_subcommand("fault", "Arm a fault for the next COUNT occasions");
    fault->footer(faultList());
    auto name = std::make_shared<std::string>();
    auto count = std::make_shared<int>(1);
    auto value = std::make_shared<int>(0);
    auto valueOption = fault->add_option("--value", *value, "The fault's value");
    fault->add_option("NAME", *name, "The fault (listed below)")->required();
    fault->add_option("COUNT,--count", *count, "How many times it acts (default 1; 0 disarms it)")
        ->check(CLI::Range(0, 1'000'000'000));
    fault->callback([&c, name, count, value, valueOption] {
        bool takesValue = false;
        if (!knownFault(*name, takesValue)) {
            c.Fail(kSimExitBadInput, "NAME: no fault named \"" + *name + "\" (see --help)");
            return;
        }
        if (takesValue && valueOption->count() == 0 && *count > 0) {
            c.Fail(kSimExitBadInput, *name + ": needs --value");
            return;
        }
        c.Change([&](MouseState& s) {
            SetFault(s, *name, *count, *value);
            return true;
        });
    });
    auto* clear = app.add_subcommand("clear-faults", "Disarm every fault, or the named ones");
    auto names = std::make_shared<std::vector<std::string>>();
    clear->add_option("NAME", *names, "Faults to disarm (default: all)");
    clear->callback([&c, names] {
        c.Change([names](MouseState& s) {
            if (names->empty()) {
                s.faults.clear();
            }
            for (const std::string& n : *names) {
                s.faults.erase(n);
            }
            return true;
        });
    });
}

}  // namespace

int RunSim(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    SimContext context{out, err, {}};
    CLI::App app{
        "Control the virtual SOLUNE 300 mouse through its state file. Programs "
        "started with SOLUNE300_SIMULATOR=<state file> use that mouse instead of "
        "real hardware.",
        "solune300-sim"};
    app.require_subcommand(1);
    app.add_option("--state", context.stateFile,
                   "The state file (default: the file named by SOLUNE300_SIMULATOR)");
    addCreate(app, context);
    addShow(app, context);
    addPlugging(app, context);
    addButton(app, context);
    addSettings(app, context);
    addFaults(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e, out, err);
    } catch (const CLI::ParseError& e) {
        err << "solune300-sim: " << e.what() << " (see --help)\n";
        return kSimExitBadInput;
    }
    return context.exitCode;
}

}  // namespace solune::simulator
