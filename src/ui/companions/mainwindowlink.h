#pragma once
// What the companion windows take from the main window and give back to it.

#include <QCursor>
#include <QIcon>
#include <QString>

#include <functional>

class QObject;

namespace orbilex {

class MainWindowLink
{
public:
    virtual ~MainWindowLink() = default;

    // The pointer over the main window's buttons, which the companions'
    // buttons show too, and the icon every window of the program carries.
    virtual QCursor handCursor() const = 0;
    virtual QIcon programIcon() const = 0;

    // The country list: the world map mirrors it, and selecting an index in
    // it runs the main window's selection as any other choice does.
    virtual int countryCount() const = 0;
    // Empty for an index off the list.
    virtual QString countryName(int index) const = 0;
    virtual int selectedCountry() const = 0;
    virtual void chooseCountry(int index) = 0;
    // Runs step after every change of the selected country, once the main
    // window has shown it, for as long as receiver lives.
    virtual void followSelection(QObject *receiver, std::function<void()> step) = 0;

    // The selected country's time as the main window shows it, and its FIPS code.
    virtual QString countryTime() const = 0;
    // The shown place's true local time, "hh:mm:ss", from the system's
    // time-zone database; the country time for a place without a zone.
    virtual QString localTime() const = 0;
    virtual QString fipsCode() const = 0;
    // Shows a fault in the main window's log line.
    virtual void log(const QString &text) = 0;

    // The IP window's way in: the alpha-2 box takes the code as if typed.
    virtual void handOverCountryCode(const QString &code) = 0;
    // Brings the main window back from the tray or the task bar at its normal size.
    virtual void showNormalAgain() = 0;
    // The unload: the settings written, the companion windows closed, then
    // the program ends with exitCode.
    virtual void Unload(int exitCode) = 0;

protected:
    MainWindowLink() = default;
    MainWindowLink(const MainWindowLink &) = default;
    MainWindowLink &operator=(const MainWindowLink &) = default;
};

} // namespace orbilex
