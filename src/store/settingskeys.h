#pragma once
// Every key of the per-user settings store, with its default. Read and write
// only through these entries, so no key name is spelled twice.

namespace orbilex {

struct SettingKey {
    const char *name;
    // Read when the key is missing; a key without one reads as empty text.
    const char *defaultValue = nullptr;
};

namespace keys {

// Window life of the main window.
inline constexpr SettingKey FirstUp {"FirstUp"};
inline constexpr SettingKey Left {"Left"};
inline constexpr SettingKey Top {"Top"};
inline constexpr SettingKey CountryName {"CountryName"};
inline constexpr SettingKey wState {"wState"};
inline constexpr SettingKey wVis {"wVis"};
inline constexpr SettingKey wip {"wip"};
inline constexpr SettingKey wiso {"wiso"};
inline constexpr SettingKey wmap {"wmap"};
inline constexpr SettingKey wlat {"wlat"};

// Options.
inline constexpr SettingKey chkOption {"chkOption", "0"};
inline constexpr SettingKey chkSelHtml {"chkSelHtml", "0"};
inline constexpr SettingKey chkDST {"chkDST", "1"};
inline constexpr SettingKey EnableTray {"EnableTray", "1"};
inline constexpr SettingKey OTray {"OTray", "1"};
inline constexpr SettingKey WinStart {"WinStart", "0"};

// The chosen line of the United States city list.
inline constexpr SettingKey USCi {"USCi", "0"};

// Companion window positions.
inline constexpr SettingKey Left_World {"Left_World"};
inline constexpr SettingKey Top_World {"Top_World"};
inline constexpr SettingKey Left_IPL {"Left_IPL"};
inline constexpr SettingKey Top_IPL {"Top_IPL"};
inline constexpr SettingKey AutoHide {"AutoHide", "0"};
inline constexpr SettingKey Left_ISO {"Left_ISO"};
inline constexpr SettingKey Top_ISO {"Top_ISO"};
inline constexpr SettingKey Left_Lat {"Left_Lat", "300"};
inline constexpr SettingKey Top_Lat {"Top_Lat", "300"};

} // namespace keys

} // namespace orbilex
