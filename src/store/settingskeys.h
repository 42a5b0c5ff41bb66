#pragma once
// Every key of the per-user settings store, with its type and default. Each
// key turns its own values into the stored text and back, so a value is
// written and read the same way wherever it is used, and no key name is
// spelled twice.

#include "store/storedvalues.h"

#include <QString>

#include <optional>

namespace orbilex {

// A key that holds free text. Without a default a missing key reads as empty.
struct TextKey {
    const char *name;
    const char *defaultValue = nullptr;

    static QString format(const QString &value) { return value; }
    static std::optional<QString> parse(const QString &text) { return text; }
};

// A key that holds a whole number.
struct IntKey {
    const char *name;
    std::optional<int> defaultValue = std::nullopt;

    static QString format(int value) { return QString::number(value); }
    static std::optional<int> parse(const QString &text) { return storedNumber(text); }
    // The same key read with another default, for the one reader that
    // assumes another value when nothing was stored.
    constexpr IntKey withDefault(int value) const { return {name, value}; }
};

// The two ways the settings write a yes or no: the options and check boxes
// as "1"/"0", the open windows as "True"/"False".
enum class BoolText { Digit, Word };

// A key that holds a yes or no. In digits any whole number other than 0
// means yes, as the program has always read them; in words only the two words.
struct BoolKey {
    const char *name;
    std::optional<bool> defaultValue = std::nullopt;
    BoolText form = BoolText::Digit;

    QString format(bool value) const
    {
        if (form == BoolText::Word)
            return value ? QStringLiteral("True") : QStringLiteral("False");
        return value ? QStringLiteral("1") : QStringLiteral("0");
    }
    std::optional<bool> parse(const QString &text) const
    {
        if (form == BoolText::Digit) {
            const std::optional<int> n = storedNumber(text);
            return n ? std::optional<bool>(*n != 0) : std::nullopt;
        }
        if (text == format(true))
            return true;
        if (text == format(false))
            return false;
        return std::nullopt;
    }
};

namespace keys {

// Window life of the main window.
inline constexpr BoolKey FirstUp {"FirstUp"};
inline constexpr IntKey Left {"Left"};
inline constexpr IntKey Top {"Top"};
inline constexpr IntKey CountryName {"CountryName"};
// 0 normal, 1 minimised, 2 maximised.
inline constexpr IntKey wState {"wState"};
inline constexpr BoolKey wVis {"wVis", std::nullopt, BoolText::Word};
inline constexpr BoolKey wip {"wip", std::nullopt, BoolText::Word};
inline constexpr BoolKey wiso {"wiso", std::nullopt, BoolText::Word};
inline constexpr BoolKey wmap {"wmap", std::nullopt, BoolText::Word};
inline constexpr BoolKey wlat {"wlat", std::nullopt, BoolText::Word};
inline constexpr BoolKey wtoday {"wtoday", std::nullopt, BoolText::Word};

// Options.
inline constexpr BoolKey chkOption {"chkOption", false};
inline constexpr BoolKey chkSelHtml {"chkSelHtml", false};
inline constexpr BoolKey chkDST {"chkDST", true};
inline constexpr BoolKey EnableTray {"EnableTray", true};
inline constexpr BoolKey OTray {"OTray", true};
inline constexpr BoolKey WinStart {"WinStart", false};

// The chosen line of the United States city list.
inline constexpr IntKey USCi {"USCi", 0};

// Companion window positions.
inline constexpr IntKey Left_World {"Left_World"};
inline constexpr IntKey Top_World {"Top_World"};
inline constexpr IntKey Left_IPL {"Left_IPL"};
inline constexpr IntKey Top_IPL {"Top_IPL"};
inline constexpr BoolKey AutoHide {"AutoHide", false};
inline constexpr IntKey Left_ISO {"Left_ISO"};
inline constexpr IntKey Top_ISO {"Top_ISO"};
inline constexpr IntKey Left_Lat {"Left_Lat", 300};
inline constexpr IntKey Top_Lat {"Top_Lat", 300};
inline constexpr IntKey Left_Today {"Left_Today"};
inline constexpr IntKey Top_Today {"Top_Today"};

} // namespace keys

} // namespace orbilex
