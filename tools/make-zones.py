#!/usr/bin/env python3
"""Writes src/data/zones.h: the IANA time-zone ids of every country record and of every city line.

Run by hand when the tz database brings a new zone for a listed place, or when a record or a city line changes:
    python3 tools/make-zones.py [zoneinfo folder, default /usr/share/zoneinfo]
and rebuild (the output is passed through clang-format when it is installed); tst_tzclock checks every id against the machine's database.

What the tz database decides: zone.tab lists, per ISO 3166 alpha-2 code, the zones of that country (one name a
country even where several countries share one rule set, so Vatican City gets Europe/Vatican, not Europe/Rome).
zone1970.tab is read to check that each chosen id is a zone or a link the database knows.
What it cannot decide is kept below by hand: which zone a country shows first (its capital's), which zone a city
line lies in, the rows that are not their own ISO entry today, and the places where nobody lives.
"""

import os
import re
import shutil
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, 'src', 'data')

# Rows that are not their own ISO entry today, by list name: their zones, or None and why there is no zone.
ROWS = {
    'Antarctica': (None, 'no zone of its own: each research station keeps the time of the country that supplies it'),
    'Baker Island': (None, 'uninhabited: the tz database gives it no zone'),
    'Bouvet Island': (None, 'uninhabited: the tz database gives it no zone'),
    'Heard and McDonald Islands': (None, 'uninhabited: the tz database gives it no zone'),
    'Howland Island': (None, 'uninhabited: the tz database gives it no zone'),
    'Jarvis Island': (None, 'uninhabited: the tz database gives it no zone'),
    'Johnston Atoll': (None, 'uninhabited since 2004: tz keeps its name only as an alias of Honolulu'),
    'Kingman Reef': (None, 'uninhabited: the tz database gives it no zone'),
    'Navassa Island': (None, 'uninhabited: the tz database gives it no zone'),
    'Palmyra Atoll': (None, 'no permanent population: the tz database gives it no zone'),
    'Midway Islands': (['Pacific/Midway'], None),
    'Wake Island': (['Pacific/Wake'], None),
    'Gaza Strip': (['Asia/Gaza'], None),
    'West Bank': (['Asia/Hebron'], None),
    'Serbia and Montenegro': (['Europe/Belgrade', 'Europe/Podgorica'], None),
    'Netherlands Antilles': (['America/Curacao', 'America/Lower_Princes', 'America/Kralendijk'], None),
}

# The zone shown first for a country with several: its capital's (Palestinian Territory: Ramallah, its only line).
CAPITAL = {
    'AR': 'America/Argentina/Buenos_Aires', 'AU': 'Australia/Sydney', 'BR': 'America/Sao_Paulo',
    'CA': 'America/Toronto', 'CD': 'Africa/Kinshasa', 'CL': 'America/Santiago', 'CN': 'Asia/Shanghai',
    'CY': 'Asia/Nicosia', 'DE': 'Europe/Berlin', 'EC': 'America/Guayaquil', 'ES': 'Europe/Madrid',
    'FM': 'Pacific/Pohnpei', 'GL': 'America/Nuuk', 'ID': 'Asia/Jakarta', 'KI': 'Pacific/Tarawa',
    'KZ': 'Asia/Almaty', 'MH': 'Pacific/Majuro', 'MN': 'Asia/Ulaanbaatar', 'MX': 'America/Mexico_City',
    'MY': 'Asia/Kuala_Lumpur', 'NZ': 'Pacific/Auckland', 'PF': 'Pacific/Tahiti', 'PG': 'Pacific/Port_Moresby',
    'PS': 'Asia/Hebron', 'PT': 'Europe/Lisbon', 'RU': 'Europe/Moscow', 'UA': 'Europe/Kyiv',
    'UM': 'Pacific/Midway', 'US': 'America/New_York', 'UZ': 'Asia/Tashkent',
}

# City lines of countries with several zones, by country code and city name (the line without capital mark, area
# code and coordinates). A line of such a country missing here stops the generator.
CITY = {
    'AR': {'Buenos Aires': 'America/Argentina/Buenos_Aires', 'Cordoba': 'America/Argentina/Cordoba'},
    'AU': {'Sydney': 'Australia/Sydney', 'Melbourne': 'Australia/Melbourne', 'Canberra': 'Australia/Sydney',
           'Brisbane': 'Australia/Brisbane', 'Perth': 'Australia/Perth'},
    'BR': {'Rio de Janeiro': 'America/Sao_Paulo', 'Sao Paulo': 'America/Sao_Paulo',
           'Brasilia': 'America/Sao_Paulo', 'Salvador': 'America/Bahia'},
    'CA': {'Edmonton': 'America/Edmonton', 'Montreal': 'America/Toronto', 'Ottawa': 'America/Toronto',
           'Toronto': 'America/Toronto', 'Vancouver': 'America/Vancouver'},
    'CL': {'Santiago': 'America/Santiago'},
    'CN': {name: 'Asia/Shanghai' for name in ('Beijing', 'Shanghai', 'Guangzhou', 'Shenzhen', 'Tianjin')},
    'CD': {'Kinshasa': 'Africa/Kinshasa'},
    'CY': {'Nicosia': 'Asia/Nicosia'},
    'DE': {name: 'Europe/Berlin' for name in ('Berlin', 'Bonn', 'Dortmund', 'Frankfurt', 'Hamburg', 'Munich')},
    'EC': {'Quito': 'America/Guayaquil'},
    'ES': {'Madrid': 'Europe/Madrid', 'Barcelona': 'Europe/Madrid', 'Seville': 'Europe/Madrid'},
    'ID': {'Jakarta': 'Asia/Jakarta'},
    'KZ': {'Astana': 'Asia/Almaty'},
    'MY': {'Kuala Lumpur': 'Asia/Kuala_Lumpur'},
    'MX': {'Mexico City': 'America/Mexico_City', 'Guadalajara': 'America/Mexico_City',
           'Monterrey': 'America/Monterrey'},
    'MN': {'Ulaanbaatar': 'Asia/Ulaanbaatar'},
    'NZ': {'Wellington': 'Pacific/Auckland'},
    'PS': {'Ramallah': 'Asia/Hebron'},
    'PT': {'Lisbon': 'Europe/Lisbon'},
    'RU': {'Moscow': 'Europe/Moscow', 'Saint Petersburg': 'Europe/Moscow', 'Novosibirsk': 'Asia/Novosibirsk'},
    'CS': {'Belgrade': 'Europe/Belgrade'},
    'UA': {'Kiev': 'Europe/Kyiv'},
    'UZ': {'Tashkent': 'Asia/Tashkent'},
}

# The United States list by city. "Columbus  662/614" carries the codes of Columbus, Mississippi (Central) and
# Columbus, Ohio (Eastern): the Ohio capital is taken. "Des Moines  989" and "Grand Rapids  989" share a
# Michigan code; the city named decides.
NY, CHI, DEN, LA = 'America/New_York', 'America/Chicago', 'America/Denver', 'America/Los_Angeles'
US_CITY = {
    'Alaska': 'America/Anchorage', 'Albuquerque': DEN, 'Anchorage': 'America/Anchorage', 'Atlanta': NY,
    'Atlantic City': NY, 'Austin': CHI, 'Baltimore': NY, 'Baton Rouge': CHI, 'Battle Creek': 'America/Detroit',
    'Birmingham': CHI, 'Bloomfield': NY, 'Boston': NY, 'Bridgeport': NY, 'Buffalo': NY, 'Burbank': LA,
    'Burlington': NY, 'Cape Cod': NY, 'Charleston': NY, 'Charlotte': NY, 'Chattanooga': NY, 'Chicago': CHI,
    'Cincinnati': NY, 'Clearwater': NY, 'Cleveland': NY, 'Colorado Springs': DEN, 'Columbia': NY, 'Columbus': NY,
    'Corpus Christi': CHI, 'Dallas': CHI, 'Denver': DEN, 'Des Moines': CHI, 'Detroit': 'America/Detroit',
    'El Paso': DEN, 'Fort Lauderdale': NY, 'Fort Worth': CHI, 'Grand Rapids': 'America/Detroit', 'Hartford': NY,
    'Hawaii': 'Pacific/Honolulu', 'Hollywood': LA, 'Honolulu': 'Pacific/Honolulu', 'Houston': CHI,
    'Indianapolis': 'America/Indiana/Indianapolis', 'Jackson': CHI, 'Jersey City': NY, 'Kansas City': CHI,
    'LasVegas': LA, 'Long Beach': LA, 'Los Angeles': LA, 'Louisville': 'America/Kentucky/Louisville',
    'Manhattan': NY, 'Memphis': CHI, 'Miami': NY, 'Milwaukee': CHI, 'Minneapolis': CHI, 'Mobile': CHI,
    'Montana': DEN, 'Nashville': CHI, 'New Haven': NY, 'New Orleans': CHI, 'New York': NY, 'Newark': NY,
    'Norfolk': NY, 'Oklahoma City': CHI, 'Omaha': CHI, 'Orlando': NY, 'Palm Springs': LA, 'Pasadena': LA,
    'Philadelphia': NY, 'Phoenix': 'America/Phoenix', 'Pittsburgh': NY, 'Portland': LA, 'Providence': NY,
    'Richmond': NY, 'Rochester': NY, 'Rockford': CHI, 'Sacramento': LA, 'Salt Lake City': DEN, 'San Diego': LA,
    'San Francisco': LA, 'San Jose': LA, 'Seattle': LA, 'Springfield': NY, 'Saint Louis': CHI, 'Saint Paul': CHI,
    'Syracuse': NY, 'Tampa': NY, 'Toledo': NY, 'Tulsa': CHI, 'Washington': NY, 'Wichita': CHI, 'Wilmington': NY,
    'Yonkers': NY, 'Youngstown': NY,
}


def read(name):
    with open(os.path.join(DATA, name), encoding='utf-8') as f:
        return f.read()


def string_array(text, name):
    body = re.search(name + r'\s*=\s*\{\{?(.*?)\n\}\}?;', text, re.S).group(1)
    return re.findall(r'^\s*"((?:[^"\\]|\\.)*)",', body, re.M)


def city_name(line):
    return re.match(r'^(?:\* )?(.+?)(?:\s+\d.*|\s{2,}.*|\s*)$', line).group(1)


def read_tab(path):
    rows = []
    with open(path, encoding='utf-8') as f:
        for line in f:
            if not line.startswith('#') and line.strip():
                fields = line.rstrip('\n').split('\t')
                rows.append((fields[0].split(','), fields[2]))
    return rows


def cpp(text):
    return '"' + text.replace('\\', '\\\\').replace('"', '\\"') + '"'


def main():
    zoneinfo = sys.argv[1] if len(sys.argv) > 1 else '/usr/share/zoneinfo'
    names = string_array(read('countries.h'), 'kCountryNames')
    alpha2 = re.findall(r'^\s*\{"([^"]*)", "[^"]*", .*\}, // \d+ ', read('codelists.h'), re.M)
    cities = read('cities.h')
    uk = string_array(cities, 'kUnitedKingdomCities')
    us = string_array(cities, 'kUnitedStatesCities')
    own = [(int(c), t) for c, t in re.findall(r'^\s*\{(\d+), "((?:[^"\\]|\\.)*)"\},', read('citylines.h'), re.M)]
    assert len(names) == len(alpha2) == 253, (len(names), len(alpha2))
    assert len(uk) == 15 and len(us) == 93 and len(own) == 175, (len(uk), len(us), len(own))

    with open(os.path.join(zoneinfo, 'tzdata.zi'), encoding='utf-8') as f:
        version = f.readline().split()[-1]
    by_code = {}
    for codes, zone in read_tab(os.path.join(zoneinfo, 'zone.tab')):
        by_code.setdefault(codes[0], []).append(zone)
    known = {zone for _, zone in read_tab(os.path.join(zoneinfo, 'zone1970.tab'))}
    known |= {zone for zones in by_code.values() for zone in zones}

    def check(zone, where):
        if zone not in known or not os.path.isfile(os.path.join(zoneinfo, zone)):
            sys.exit(f'{where}: {zone} is not a zone of this tz database')
        return zone

    countries = []  # (zones, reason)
    for index, (name, code) in enumerate(zip(names, alpha2)):
        if name in ROWS:
            zones, reason = ROWS[name]
            zones = zones or []
        else:
            zones, reason = list(by_code.get(code, [])), None
            if not zones:
                sys.exit(f'{index} {name} ({code}): no zone in zone.tab and no hand entry')
            if len(zones) > 1:
                if code not in CAPITAL:
                    sys.exit(f'{index} {name} ({code}): several zones, no capital chosen')
                zones.remove(CAPITAL[code])
                zones.insert(0, CAPITAL[code])
        countries.append(([check(z, name) for z in zones], reason))

    lines = []  # (text, zone, where)
    for text in uk:
        lines.append((text, check('Europe/London', text), 'United Kingdom'))
    for text in us:
        lines.append((text, check(US_CITY[city_name(text)], text), 'United States'))
    for country, text in own:
        zones, _ = countries[country]
        table = CITY.get(alpha2[country])
        if table is not None:
            zone = table[city_name(text)]
        elif len(zones) > 1:
            sys.exit(f'{names[country]}: city line {text!r} needs a zone in CITY')
        else:
            zone = zones[0]
        lines.append((text, check(zone, text), names[country]))
    texts = [t for t, _, _ in lines]
    assert len(set(texts)) == len(texts), 'a city line text stands in two lists'

    flat = []
    rows = []
    for index, ((zones, reason), name) in enumerate(zip(countries, names)):
        rows.append(f'    {{{len(flat)}, {len(zones)}, {cpp(reason or "")}}}, // {index} {name}')
        flat.extend(zones)

    out = []
    out.append(f'''#pragma once
// Generated by tools/make-zones.py from tz database {version} (zone.tab, zone1970.tab) and the hand-kept
// choices in that script; edit the script, not this file.
//
// The IANA time-zone ids of the places the program lists. Self-contained: it needs only the country count.
// - kCountryZones[country index]: the record's zones, the capital's first (the one shown for the country), as a
//   slice of kZoneIds; a place with none has count 0 and a one-line reason.
// - kCityLineZones: every line of the United Kingdom and United States lists and of the records' own short lists,
//   by its exact display text, with the zone of that city. No text stands in two lists.
// Ids are the database's names (zone.tab's, so links such as Europe/Vatican keep the place's own name); a system
// with an older database may lack a recent one, which the clock then treats as a place without a zone.
#include "data/countries.h"

#include <array>
#include <span>
#include <string_view>

namespace orbilex {{

inline constexpr std::string_view kZonesTzVersion = "{version}";

inline constexpr std::array<std::string_view, {len(flat)}> kZoneIds = {{{{''')
    out.extend(f'    {cpp(z)},' for z in flat)
    out.append('}};')
    out.append('''
struct CountryZones {
    int first; // into kZoneIds
    int count; // 0: the place has no zone
    std::string_view noZone; // why, when count is 0
};

inline constexpr std::array<CountryZones, kCountryCount> kCountryZones = {{''')
    out.extend(rows)
    out.append('}};')
    out.append(f'''
struct CityLineZone {{
    std::string_view line; // exact display text
    std::string_view zone;
}};

inline constexpr std::array<CityLineZone, {len(lines)}> kCityLineZones = {{{{''')
    out.extend(f'    {{{cpp(t)}, {cpp(z)}}}, // {w}' for t, z, w in lines)
    out.append('''}};

namespace zones_detail {
constexpr bool countriesConsistent()
{
    int next = 0;
    for (const CountryZones &c : kCountryZones) {
        if (c.first != next || c.count < 0 || (c.count == 0) == c.noZone.empty())
            return false;
        next += c.count;
    }
    return next == int(kZoneIds.size());
}
} // namespace zones_detail
static_assert(zones_detail::countriesConsistent(),
    "country zone slices must tile kZoneIds in order, and exactly the places without a zone give a reason");

// The record's zones, the capital's first; empty for a place without a zone or an index out of range.
std::span<const std::string_view> countryZones(int country);

// Why the place has no zone; empty when it has one.
std::string_view noZoneReason(int country);

// The zone of a city line, matched whole; empty for a text that is no listed city line.
std::string_view cityLineZone(std::string_view line);

} // namespace orbilex''')
    target = os.path.join(DATA, 'zones.h')
    with open(target, 'w', encoding='utf-8') as f:
        f.write('\n'.join(out) + '\n')
    if shutil.which('clang-format'):
        subprocess.run(['clang-format', '-i', target], check=True, cwd=ROOT)
    print(f'zones.h: tz {version}, {len(flat)} zone ids, {sum(1 for z, _ in countries if not z)} places without '
          f'a zone, {len(lines)} city lines')


if __name__ == '__main__':
    main()
