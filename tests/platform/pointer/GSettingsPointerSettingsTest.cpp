// The GSettings backend against the installed schema
// "org.gnome.desktop.peripherals.mouse" (gsettings-desktop-schemas), with gio's
// in-memory settings store (GSETTINGS_BACKEND=memory, set by CMake), read back
// through a GSettings object of its own.

#include <gio/gio.h>
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "config/profiles/ApplyPointerSettings.h"
#include "platform/pointer/GSettingsPointerSettings.h"

namespace solune {
namespace {

// Every key of the schema as printed text, read through a separate object.
std::map<std::string, std::string> AllKeys() {
    GSettings* settings = g_settings_new(kGnomeMouseSchema);
    GSettingsSchema* schema = nullptr;
    g_object_get(settings, "settings-schema", &schema, nullptr);
    std::map<std::string, std::string> keys;
    gchar** names = g_settings_schema_list_keys(schema);
    for (gchar** name = names; *name != nullptr; ++name) {
        GVariant* value = g_settings_get_value(settings, *name);
        gchar* text = g_variant_print(value, FALSE);
        keys[*name] = text;
        g_free(text);
        g_variant_unref(value);
    }
    g_strfreev(names);
    g_settings_schema_unref(schema);
    g_object_unref(settings);
    return keys;
}

std::string PrintedDouble(double value) {
    GVariant* variant = g_variant_ref_sink(g_variant_new_double(value));
    gchar* text = g_variant_print(variant, FALSE);
    std::string printed = text;
    g_free(text);
    g_variant_unref(variant);
    return printed;
}

class GSettingsPointerSettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_STREQ(g_getenv("GSETTINGS_BACKEND"), "memory");
        m_backend = GSettingsPointerSettings::Create();
        ASSERT_NE(m_backend, nullptr)
            << "the schema " << kGnomeMouseSchema << " is missing (gsettings-desktop-schemas)";
        // Each test starts from the schema's defaults.
        GSettings* settings = g_settings_new(kGnomeMouseSchema);
        for (const auto& [key, value] : AllKeys()) {
            g_settings_reset(settings, key.c_str());
        }
        g_object_unref(settings);
    }

    static Profile SaneProfile() {
        Profile profile;
        profile.doubleClickSetting = 1100;  // 500 ms
        profile.pointerSpeed = 7;           // 14 on the 1 ... 20 scale
        profile.scrollLines = 3;
        profile.scrollByLines = 1;
        profile.accelerationEnabled = 1;
        profile.accelerationLevel = 2;
        return profile;
    }

    std::unique_ptr<GSettingsPointerSettings> m_backend;
};

TEST(GnomeMapping, SpeedIsLinearFromFiveToTenAndClamped) {
    struct Case {
        int pointerSpeed;
        double gnome;
    };
    const Case cases[] = {{5, 0.0},  {10, 1.0}, {7, 0.4},  {1, -0.8},
                          {0, -1.0}, {20, 1.0}, {-3, -1.0}};
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(GnomeSpeedFromMouseSpeed(2 * c.pointerSpeed), c.gnome)
            << "pointer speed " << c.pointerSpeed;
    }
}

TEST(GnomeMapping, OnlyTheZeroTripleIsFlat) {
    EXPECT_STREQ(GnomeAccelProfile(0, 0, 0), "flat");
    for (const auto& triple : kAccelerationTriples) {
        EXPECT_STREQ(GnomeAccelProfile(triple[0], triple[1], triple[2]), "adaptive");
    }
    EXPECT_STREQ(GnomeAccelProfile(0, 0, 2), "adaptive");
}

TEST_F(GSettingsPointerSettingsTest, AProfileReachesTheSchemaAndNothingElseChanges) {
    std::map<std::string, std::string> expected = AllKeys();
    expected["double-click"] = "500";
    expected["speed"] = PrintedDouble(0.4);
    expected["accel-profile"] = "'adaptive'";

    ApplyWindowsPointerSettings(SaneProfile(), *m_backend);

    EXPECT_EQ(AllKeys(), expected);
}

TEST_F(GSettingsPointerSettingsTest, AccelerationOffIsFlatAndOnAgainAdaptive) {
    Profile profile = SaneProfile();
    profile.accelerationEnabled = 0;
    ApplyWindowsPointerSettings(profile, *m_backend);
    EXPECT_EQ(AllKeys()["accel-profile"], "'flat'");
    profile.accelerationEnabled = 1;
    profile.accelerationLevel = 3;
    ApplyWindowsPointerSettings(profile, *m_backend);
    EXPECT_EQ(AllKeys()["accel-profile"], "'adaptive'");
}

TEST_F(GSettingsPointerSettingsTest, WheelLinesAndPagesLeaveGnomeAlone) {
    for (std::uint32_t lines : {1u, 6u, kWheelPageScroll}) {
        const auto before = AllKeys();
        m_backend->SetWheelScrollLines(lines);
        EXPECT_EQ(AllKeys(), before) << lines;
    }
}

TEST_F(GSettingsPointerSettingsTest, ADoubleClickTimeBelowOneMillisecondIsLeftAlone) {
    Profile profile = SaneProfile();
    profile.doubleClickSetting = 1600;  // 0 ms
    ApplyWindowsPointerSettings(profile, *m_backend);
    EXPECT_EQ(AllKeys()["double-click"], "400");  // the schema's default
    profile.doubleClickSetting = 1599;            // 1 ms
    ApplyWindowsPointerSettings(profile, *m_backend);
    EXPECT_EQ(AllKeys()["double-click"], "1");
}

TEST_F(GSettingsPointerSettingsTest, CurrentValuesAreTheSchemasValues) {
    ApplyWindowsPointerSettings(SaneProfile(), *m_backend);
    const std::vector<DesktopPointerValue> values = m_backend->CurrentValues();
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0].name, "double-click");
    EXPECT_EQ(std::get<int>(values[0].value), 500);
    EXPECT_EQ(values[1].name, "speed");
    EXPECT_DOUBLE_EQ(std::get<double>(values[1].value), 0.4);
    EXPECT_EQ(values[2].name, "accel-profile");
    EXPECT_EQ(std::get<std::string>(values[2].value), "adaptive");
}

}  // namespace
}  // namespace solune
