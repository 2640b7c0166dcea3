// solune300-sim run in process on a state file in a temporary folder.
#include "simulator/tool/SimApp.h"

#include <gtest/gtest.h>

#include <sstream>

#include "simulator/MouseStore.h"
#include "tests/support/TempDir.h"

namespace solune::simulator {
namespace {

struct SimRun {
    int status;
    std::string out;
    std::string err;
};

class SimApp : public ::testing::Test {
  protected:
    SimRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), {"solune300-sim", "--state", file.string()});
        std::vector<const char*> argv;
        for (const std::string& a : args) {
            argv.push_back(a.c_str());
        }
        std::ostringstream out, err;
        const int status = RunSim(static_cast<int>(argv.size()), argv.data(), out, err);
        return {status, out.str(), err.str()};
    }
    MouseState State() {
        MouseState state;
        EXPECT_TRUE(FileMouseStore(file).Read(state));
        return state;
    }

    test::TempDir dir;
    std::filesystem::path file = dir / "mouse.json";
};

TEST_F(SimApp, CreateRefusesToReplaceAStateFileWithoutForce) {
    ASSERT_EQ(Run({"create", "--firmware", "2.07", "--generation", "1"}).status, 0);
    EXPECT_EQ(State().firmwareVersion, 207);
    EXPECT_EQ(State().protocolGeneration, 1);
    EXPECT_EQ(Run({"create"}).status, 2);
    EXPECT_EQ(State().firmwareVersion, 207);
    EXPECT_EQ(Run({"create", "--force"}).status, 0);
    EXPECT_EQ(State().firmwareVersion, 105);
}

TEST_F(SimApp, ShowPrintsTheStateWithEveryImageAsHex) {
    ASSERT_EQ(Run({"create"}).status, 0);
    const SimRun run = Run({"show"});
    ASSERT_EQ(run.status, 0);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["mode"], "normal");
    EXPECT_EQ(json["firmwareVersion"], 105);
    EXPECT_EQ(json["protocolGeneration"], 2);
    EXPECT_EQ(json["activeSlot"], 0);
    ASSERT_EQ(json["slots"].size(), 5u);
    EXPECT_EQ(json["slots"][4].get<std::string>().size(), 4096u);
    EXPECT_TRUE(json.contains("liftOff"));
}

TEST_F(SimApp, CommandsChangeTheMouse) {
    ASSERT_EQ(Run({"create"}).status, 0);
    struct Case {
        std::vector<std::string> args;
        std::function<bool(const MouseState&)> holds;
    } cases[] = {
        {{"button"}, [](const MouseState& s) { return s.activeSlot == 1; }},
        {{"button", "--slot", "4"}, [](const MouseState& s) { return s.activeSlot == 4; }},
        {{"button"}, [](const MouseState& s) { return s.activeSlot == 0; }},
        {{"firmware", "3.1"}, [](const MouseState& s) { return s.firmwareVersion == 310; }},
        {{"firmware", "99"}, [](const MouseState& s) { return s.firmwareVersion == 99; }},
        {{"generation", "5"}, [](const MouseState& s) { return s.protocolGeneration == 5; }},
        {{"unplug"}, [](const MouseState& s) { return !s.plugged && s.instance == 1; }},
        {{"plug"}, [](const MouseState& s) { return s.plugged && s.instance == 2; }},
        {{"plug"}, [](const MouseState& s) { return s.plugged && s.instance == 2; }},
        {{"mode", "bootloader"},
         [](const MouseState& s) { return s.mode == MouseMode::BootLoader && s.instance == 3; }},
        {{"fault", "busy", "3"},
         [](const MouseState& s) { return s.faults.at("busy").count == 3; }},
        {{"fault", "get-fail", "--count", "2"},
         [](const MouseState& s) { return s.faults.at("get-fail").count == 2; }},
        {{"fault", "active-slot", "--value", "9"},
         [](const MouseState& s) { return s.faults.at("active-slot").value == 9; }},
        {{"clear-faults", "busy"},
         [](const MouseState& s) { return s.faults.size() == 2 && !s.faults.count("busy"); }},
        {{"clear-faults"}, [](const MouseState& s) { return s.faults.empty(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args[0]);
        const SimRun run = Run(c.args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(c.holds(State()));
    }
}

TEST_F(SimApp, BadInputIsRefusedAndChangesNothing) {
    ASSERT_EQ(Run({"create"}).status, 0);
    const auto before = State();
    for (std::vector<std::string> args :
         std::vector<std::vector<std::string>>{{"button", "--slot", "5"},
                                               {"firmware", "1.005"},
                                               {"firmware", "abc"},
                                               {"firmware", "70000"},
                                               {"generation", "256"},
                                               {"fault", "nonsense"},
                                               {"fault", "reply-status", "2"},
                                               {"mode", "sleep"},
                                               {}}) {
        EXPECT_EQ(Run(args).status, 2) << (args.empty() ? "" : args[0]);
    }
    EXPECT_EQ(nlohmann::json(State().activeSlot), nlohmann::json(before.activeSlot));
    EXPECT_EQ(State().firmwareVersion, before.firmwareVersion);
    EXPECT_TRUE(State().faults.empty());
}

TEST_F(SimApp, WithoutAStateFileItSaysSo) {
    const SimRun run = Run({"unplug"});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no virtual mouse state file"), std::string::npos);
}

TEST_F(SimApp, EveryLevelHasHelp) {
    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {"--help"}, {"fault", "--help"}, {"button", "--help"}, {"create", "--help"}}) {
        const SimRun run = Run(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("Usage"), std::string::npos);
    }
    EXPECT_NE(Run({"fault", "--help"}).out.find("set-fail-transient"), std::string::npos);
}

}  // namespace
}  // namespace solune::simulator
