#!/usr/bin/env node
// Writes src/data/searchnames.h: what the search box needs beyond the list, the records and today's table: the
// other names people know a place by, the codes of ISO 3166-3 entries withdrawn into a row, and the names of the
// currencies. Run by hand after updating a source or src/data/today.h; the build never runs it.
//
// Sources (their versions are written into the header):
//   Debian iso-codes        /usr/share/iso-codes/json/iso_3166-3.json   withdrawn codes
//   npm cldr-localenames-full                                          English names and their short and variant forms
//   npm world-countries                                                common and official names, alternative spellings,
//                                                                      currency names
//
//     cd tools && npm ci                        # as for make-today.mjs
//     node tools/make-searchnames.mjs           # writes src/data/searchnames.h
//     node tools/make-searchnames.mjs --check   # exit 1 unless searchnames.h is what the sources give

import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');
const require = createRequire(join(here, 'package.json'));
const outFile = join(root, 'src/data/searchnames.h');
const checkOnly = process.argv.includes('--check');

function fail(message) {
    console.error(`make-searchnames: ${message}`);
    process.exit(2);
}

const readJson = file => JSON.parse(readFileSync(file, 'utf8'));
const isoVersion = execFileSync('dpkg-query', ['-W', '-f=${Version}', 'iso-codes'], { encoding: 'utf8' }).trim();
const npmVersion = name => readJson(join(here, 'node_modules', name, 'package.json')).version;

const iso3 = readJson('/usr/share/iso-codes/json/iso_3166-3.json')['3166-3'];
const cldrTerritories = require('cldr-localenames-full/main/en/territories.json').main.en.localeDisplayNames.territories;
const worldCountries = require('world-countries/countries.json');
const wcByAlpha2 = new Map(worldCountries.map(c => [c.cca2, c]));

// ---- The rows the names are added to ----------------------------------------------------------------------------

// Quoted texts of `{...}, // <index> <name>` lines.
function readRows(file) {
    const rows = [];
    for (const line of readFileSync(join(root, file), 'utf8').split('\n')) {
        const m = /^\s*\{(.*)\},\s*\/\/\s*(\d+)\s+(.*)$/.exec(line);
        if (m)
            rows.push([...m[1].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(t => JSON.parse(`"${t[1]}"`)));
    }
    return rows;
}

const countriesText = readFileSync(join(root, 'src/data/countries.h'), 'utf8');
const names = [...countriesText.slice(countriesText.indexOf('kCountryNames')).split('};')[0].matchAll(/"([^"]*)"/g)].map(
    m => m[1]);
const codes = readRows('src/data/codelists.h');
const records = readRows('src/data/records.h');
const today = readRows('src/data/today.h').slice(-names.length);
if (names.length !== 253 || codes.length !== 253 || records.length !== 253 || today.length !== 253)
    fail('expected 253 names, codes, records and today rows');
// today.h's quoted columns: isoName, commonName, shortNames, alpha2, ...
const todayAlpha2 = today.map(row => row[3].split('|').filter(Boolean));

// As the program folds for searching, near enough to drop the names it already has.
const fold = s => s.normalize('NFKD').replace(/\p{M}/gu, '').toLowerCase().replace(/[^\p{L}\p{N}]+/gu, ' ').trim();

// ---- Other names ------------------------------------------------------------------------------------------------

// Names in the letters of the list's own alphabet, accents allowed: the search folds accents away, but no one
// types a name in a script (or a phonetic spelling) the program never shows. Two- and three-letter capitals are
// codes, which the search has from the code tables.
const usable = name => /^[\u0020-\u024F\u1E00-\u1EFF\u2019]+$/u.test(name) && !/^[A-Z]{2,3}$/.test(name);

function otherNames(index) {
    const known = new Set([names[index], records[index][0], ...today[index].slice(0, 3).flatMap(n => n.split('|'))]
        .filter(n => n && n !== '-').map(fold));
    const found = [];
    for (const alpha2 of todayAlpha2[index]) {
        const cldr = Object.keys(cldrTerritories).filter(k => k === alpha2 || k.startsWith(`${alpha2}-alt-`)).sort();
        const wc = wcByAlpha2.get(alpha2);
        const candidates = [...cldr.map(k => cldrTerritories[k]),
                            ...(wc ? [wc.name.common, wc.name.official, ...wc.altSpellings] : [])];
        for (const name of candidates) {
            const key = fold(name);
            if (usable(name) && !known.has(key)) {
                known.add(key);
                found.push(name);
            }
        }
    }
    return found;
}

// ---- Withdrawn codes --------------------------------------------------------------------------------------------

// Entries that were split name no successor in their code; these are the places they became, so that a user who
// types the old name or code finds every one of them.
const splitInto = {
    CSHH: ['CZ', 'SK'], // Czechoslovakia, split in 1993
    SUHH: ['AM', 'AZ', 'BY', 'EE', 'GE', 'KZ', 'KG', 'LV', 'LT', 'MD', 'RU', 'TJ', 'TM', 'UA', 'UZ'], // the USSR's 15 republics
    GEHH: ['KI', 'TV'], // Gilbert Islands became Kiribati, Ellice Islands Tuvalu
    NTHH: ['IQ', 'SA'], // the Neutral Zone was divided between Iraq and Saudi Arabia
    PCHH: ['MH', 'FM', 'MP', 'PW'], // the Trust Territory of the Pacific Islands
    FQHH: ['TF', 'AQ'], // Adélie Land went to Antarctica, the rest became French Southern Territories
};

// An ISO 3166-3 entry belongs to the row of its name, else to the rows holding the code that replaced it (the last
// two letters of its four-letter code; "AA" keeps the old alpha-2, "HH" and "XX" name no single successor). Where
// several rows hold that code, those sharing the entry's first word are meant (Johnston Island is Johnston Atoll).
function withdrawnRows(entry) {
    const byName = names.flatMap((n, i) => (fold(n) === fold(entry.name) ? [i] : []));
    if (byName.length)
        return byName;
    const tail = entry.alpha_4.slice(2);
    if (tail === 'HH' || tail === 'XX')
        return (splitInto[entry.alpha_4] ?? []).flatMap(code => names.flatMap((_, i) => (codes[i][0] === code ? [i] : [])));
    const successor = tail === 'AA' ? entry.alpha_2 : tail;
    let rows = names.flatMap((_, i) => (codes[i][0] === successor ? [i] : []));
    if (!rows.length)
        rows = names.flatMap((_, i) => (todayAlpha2[i].includes(successor) ? [i] : []));
    const firstWord = fold(entry.name).split(' ')[0];
    const sharing = rows.filter(i => fold(names[i]).split(' ')[0] === firstWord);
    return sharing.length ? sharing : rows;
}

const withdrawn = iso3.flatMap(entry => withdrawnRows(entry).map(index => ({ index, entry })))
    .sort((a, b) => a.index - b.index);

// ---- Currency names ---------------------------------------------------------------------------------------------

const currencyNames = new Map();
for (const c of worldCountries)
    for (const [code, { name }] of Object.entries(c.currencies ?? {}))
        if (!currencyNames.has(code))
            currencyNames.set(code, name);
const currencies = [...currencyNames.entries()].sort(([a], [b]) => (a < b ? -1 : 1));

// ---- Writing ----------------------------------------------------------------------------------------------------

const cpp = s => `"${s.replace(/\\/g, '\\\\').replace(/"/g, '\\"')}"`;
const nameLines = names.map((n, i) => `    ${cpp(otherNames(i).join('|'))}, // ${i} ${n}`);
const withdrawnLines = withdrawn.map(({ index, entry }) =>
    `    {${index}, ${[entry.alpha_2, entry.alpha_3, entry.numeric ?? '', entry.name].map(cpp).join(', ')}}, // ${names[index]}`);
const currencyLines = currencies.map(([code, name]) => `    {${cpp(code)}, ${cpp(name)}},`);

const unformatted = `#pragma once
// Generated by tools/make-searchnames.mjs; edit the generator, not this file.
//
// What the search box finds beyond the list names, the records and today's table (today.h): the other names
// people know a place by, the ISO 3166-3 codes withdrawn into a row, and the names of the currencies.
// Sources: CLDR English names (cldr-localenames-full ${npmVersion('cldr-localenames-full')}), world-countries
// ${npmVersion('world-countries')}, ISO 3166-3 (Debian iso-codes ${isoVersion}).

#include "data/countries.h"

#include <array>
#include <string_view>

namespace orbilex {

struct WithdrawnCode {
    int country; // country index
    std::string_view alpha2;
    std::string_view alpha3;
    std::string_view numeric;
    std::string_view name; // as ISO 3166-3 gives it
};

struct CurrencyName {
    std::string_view code; // ISO 4217
    std::string_view name;
};

// clang-format off
// Per country index, its other names joined by "|".
inline constexpr std::array<std::string_view, ${names.length}> kSearchNames = {{
${nameLines.join('\n')}
}};

inline constexpr std::array<WithdrawnCode, ${withdrawn.length}> kWithdrawnCodes = {{
${withdrawnLines.join('\n')}
}};

// Sorted by code.
inline constexpr std::array<CurrencyName, ${currencies.length}> kCurrencyNames = {{
${currencyLines.join('\n')}
}};
// clang-format on
static_assert(kSearchNames.size() == kCountryCount);

} // namespace orbilex
`;

const output = execFileSync('clang-format', ['--assume-filename=src/data/searchnames.h'], {
    input: unformatted,
    cwd: root,
    encoding: 'utf8',
});

console.log(`other names: ${nameLines.length} rows, ${names.map((_, i) => otherNames(i).length).reduce((a, b) => a + b)} names`);
for (const { index, entry } of withdrawn)
    console.log(`  withdrawn ${entry.alpha_2} ${entry.alpha_3} (${entry.name}) → ${index} ${names[index]}`);
if (checkOnly) {
    let current = '';
    try {
        current = readFileSync(outFile, 'utf8');
    } catch {}
    if (current !== output) {
        console.error('src/data/searchnames.h differs from what the installed sources give');
        process.exit(1);
    }
    console.log('src/data/searchnames.h is up to date');
} else {
    writeFileSync(outFile, output);
    console.log(`wrote ${outFile}`);
}
