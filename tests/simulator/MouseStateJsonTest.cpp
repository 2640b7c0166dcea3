#include "simulator/MouseStateJson.h"

#include <gtest/gtest.h>

namespace solune::simulator {
namespace {

TEST(MouseStateJson, RoundTripKeepsEveryFieldAndUnknownKeys) {
    MouseState state;
    state.plugged = false;
    state.instance = 9;
    state.mode = MouseMode::BootLoader;
    state.firmwareVersion = 312;
    state.protocolGeneration = 1;
    state.activeSlot = 2;
    state.liftOffTest = 7;
    state.liftOffSaved = 8;
    state.surfaceStarted = true;
    state.surfaceMeasure = 3;
    state.profileSlots[4][2047] = 0xFE;
    state.profileSlots[0][0] = 0x01;
    state.reply[63] = 0x5A;
    SetFault(state, "busy", 2);
    SetFault(state, "reply-status", 1, -3);
    state.extra["bootLoader"] = {{"blocks", 12}};

    MouseState back;
    std::string error;
    ASSERT_TRUE(FromJson(nlohmann::json::parse(ToJson(state).dump()), back, error)) << error;
    EXPECT_EQ(ToJson(back), ToJson(state));
    EXPECT_EQ(back.profileSlots, state.profileSlots);
    EXPECT_EQ(back.extra["bootLoader"]["blocks"], 12);
    EXPECT_EQ(ToJson(state)["slots"][0].get<std::string>().size(), 4096u);
}

TEST(MouseStateJson, BadValuesAreRefusedAndLeaveTheStateAsItWas) {
    const char* cases[] = {
        R"([])",
        R"({"mode": "sleeping"})",
        R"({"plugged": 1})",
        R"({"activeSlot": 256})",
        R"({"activeSlot": 255})",
        R"({"activeSlot": 5})",
        R"({"instance": 18446744073709551615})",
        R"({"faults": {"busy": {"count": 1, "value": 18446744073709551615}}})",
        R"({"firmwareVersion": -1})",
        R"({"firmwareVersion": 1.5})",
        R"({"slots": ["00"]})",
        R"({"reply": "zz"})",
        R"({"liftOff": 3})",
        R"({"faults": {"busy": 3}})",
        R"({"faults": {"busy": {"count": "x"}}})",
    };
    for (const char* text : cases) {
        MouseState state;
        state.activeSlot = 1;
        std::string error;
        EXPECT_FALSE(FromJson(nlohmann::json::parse(text), state, error)) << text;
        EXPECT_FALSE(error.empty()) << text;
        EXPECT_EQ(state.activeSlot, 1);
    }
}

TEST(MouseStateJson, HexNeedsExactlyTwoDigitsPerByte) {
    std::uint8_t bytes[2] = {9, 9};
    EXPECT_TRUE(FromHex("aB0f", bytes, 2));
    EXPECT_EQ(bytes[0], 0xAB);
    EXPECT_EQ(bytes[1], 0x0F);
    for (const char* bad : {"ab0", "ab0f0", "ab0g", "", " ab0"}) {
        std::uint8_t out[2] = {1, 2};
        EXPECT_FALSE(FromHex(bad, out, 2)) << bad;
        EXPECT_EQ(out[0], 1);
    }
    EXPECT_EQ(ToHex(bytes, 2), "ab0f");
}

}  // namespace
}  // namespace solune::simulator
