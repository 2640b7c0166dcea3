#include "platform/pointer/GSettingsPointerSettings.h"

#include <gio/gio.h>

#include <algorithm>

namespace solune {

double GnomeSpeedFromMouseSpeed(int speed) {
    return std::clamp((speed - 10) / 10.0, -1.0, 1.0);
}

const char* GnomeAccelProfile(int threshold1, int threshold2, int acceleration) {
    const bool off = threshold1 == 0 && threshold2 == 0 && acceleration == 0;
    return off ? "flat" : "adaptive";
}

std::unique_ptr<GSettingsPointerSettings> GSettingsPointerSettings::Create() {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr) {
        return nullptr;
    }
    GSettingsSchema* schema = g_settings_schema_source_lookup(source, kGnomeMouseSchema, TRUE);
    if (schema == nullptr) {
        return nullptr;
    }
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    g_settings_schema_unref(schema);
    return std::unique_ptr<GSettingsPointerSettings>(new GSettingsPointerSettings(settings));
}

GSettingsPointerSettings::~GSettingsPointerSettings() {
    g_object_unref(m_settings);
}

void GSettingsPointerSettings::SetDoubleClickTime(int milliseconds) {
    if (milliseconds < 1) {
        return;  // no double-click time at all: a profile value GNOME cannot express
    }
    g_settings_set_int(m_settings, "double-click", milliseconds);
    g_settings_sync();
}

void GSettingsPointerSettings::SetMouseSpeed(int speed) {
    g_settings_set_double(m_settings, "speed", GnomeSpeedFromMouseSpeed(speed));
    g_settings_sync();
}

void GSettingsPointerSettings::SetWheelScrollLines(std::uint32_t) {}

void GSettingsPointerSettings::SetMouseAcceleration(int threshold1, int threshold2,
                                                    int acceleration) {
    g_settings_set_string(m_settings, "accel-profile",
                          GnomeAccelProfile(threshold1, threshold2, acceleration));
    g_settings_sync();
}

std::vector<DesktopPointerValue> GSettingsPointerSettings::CurrentValues() const {
    gchar* profile = g_settings_get_string(m_settings, "accel-profile");
    std::vector<DesktopPointerValue> values{
        {"double-click", g_settings_get_int(m_settings, "double-click")},
        {"speed", g_settings_get_double(m_settings, "speed")},
        {"accel-profile", std::string(profile)},
    };
    g_free(profile);
    return values;
}

}  // namespace solune
