#pragma once
// The source the IP-to-country window asks: a country database opened on
// demand. The environment holds the slot; tests can hand in a small one.

#include <QDateTime>
#include <QString>

namespace orbilex {

class IpDatabase
{
public:
    virtual ~IpDatabase() = default;
    // The registration step: finds and opens the database file. False when it
    // cannot; path() then names the file that was looked for.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    // Before a conversion: whether the open database still is the file on
    // disk, opening that anew when it was changed, replaced or deleted since.
    // False when nothing usable is open afterwards.
    virtual bool refresh() { return isOpen(); }
    virtual QString path() const = 0;
    // Two-letter country code of a dotted-quad IPv4 address, "-" for anything
    // else or an address the database does not place, "--" for a place the
    // country list does not hold.
    virtual QString shortName(const QString &address) const = 0;
    // The country's name as the database gives it, else the country list's
    // name of its code; empty when there is no country.
    virtual QString longName(const QString &address) const = 0;
    // When the open database was built; invalid while none is open.
    virtual QDateTime buildDate() const = 0;
    // Why the last open() failed, naming the file, for the window to show;
    // empty when it did not fail.
    virtual QString problem() const { return {}; }
};

} // namespace orbilex
