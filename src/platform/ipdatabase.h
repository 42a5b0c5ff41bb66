#pragma once
// The source the IP-to-country window asks. Its database is opened on demand;
// the environment only holds the slot.

#include <QString>

namespace orbilex {

class IpDatabase
{
public:
    virtual ~IpDatabase() = default;
    // Two-letter country code of a dotted-quad IPv4 address, "-" when none.
    virtual QString shortName(const QString &address) const = 0;
    // The country's name as the database gives it, empty when it has none.
    virtual QString longName(const QString &address) const = 0;
};

} // namespace orbilex
