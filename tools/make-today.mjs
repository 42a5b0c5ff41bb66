#!/usr/bin/env node
// Writes src/data/today.h: for every country index, the facts of the place as they stand today, taken from
// well-kept offline sources, beside the compiled record that keeps its mid-2000s state. Run by hand after
// updating a source; the build never runs it and needs no network.
//
// Sources (versions and dates are written into the table as kTodaySources):
//   Debian iso-codes     /usr/share/iso-codes/json/iso_3166-1.json, iso_3166-3.json   ISO names and codes
//   Debian publicsuffix  /usr/share/publicsuffix/public_suffix_list.dat               delegated ccTLDs
//   npm cldr-core, cldr-localenames-full                                             currencies, aliases, English names
//   npm libphonenumber-js (libphonenumber metadata)                                  calling codes, IDD and NDD prefixes
//   npm world-countries, country-data-list                                           IOC codes (two sources, checked)
// Time-zone ids are not written here: src/data/zones.h holds them for every record, from tzdata.
//
//     apt-get install iso-codes publicsuffix
//     cd tools && npm ci            # the exact versions of package-lock.json, into the ignored tools/node_modules
//     node tools/make-today.mjs     # writes src/data/today.h and prints the per-field differences
//     node tools/make-today.mjs --check   # exit 1 unless today.h is what the installed sources give
//
// The generator stops when a source no longer fits the hand-kept mappings below, rather than guessing.

import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');
const require = createRequire(join(here, 'package.json'));
const outFile = join(root, 'src/data/today.h');
const checkOnly = process.argv.includes('--check');

function fail(message) {
    console.error(`make-today: ${message}`);
    process.exit(2);
}

// ---- Places mapped by hand -------------------------------------------------------------------------------------

// Rows that are today part of another ISO 3166-1 entry.
const kPartOf = {
    'Baker Island': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Howland Island': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Jarvis Island': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Johnston Atoll': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Kingman Reef': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Midway Islands': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Navassa Island': ['UM', 'one of the United States Minor Outlying Islands (UM); uninhabited, no telephone service'],
    'Palmyra Atoll': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Wake Island': ['UM', 'one of the United States Minor Outlying Islands (UM)'],
    'Gaza Strip': ['PS', 'part of the State of Palestine entry (PS); GZ is its FIPS code, not an ISO code'],
    'West Bank': ['PS', 'part of the State of Palestine entry (PS); WE is its FIPS code, not an ISO code'],
    'Jan Mayen': ['SJ', 'part of the Svalbard and Jan Mayen entry (SJ), whose codes the Svalbard row holds'],
};

// Rows whose entry was withdrawn; the successors are CLDR's territory alias and must agree with these.
const kDissolved = {
    'Serbia and Montenegro': ['RS ME', 'split into Serbia and Montenegro'],
    'Netherlands Antilles': ['CW SX BQ', 'dissolved into Curaçao, Sint Maarten and Caribbean Netherlands'],
};

// Rows with their own entry but no numbering plan in the phone metadata: no calling code, IDD or NDD to give.
const kNoSource = {
    'Antarctica': 'no permanent population: reached through the calling codes of the stations\' countries',
    'Bouvet Island': 'uninhabited: no telephone numbering plan',
    'French Southern and Antarctic Lands': 'no permanent population: no telephone numbering plan of its own',
    'Heard and McDonald Islands': 'uninhabited: no telephone numbering plan',
    'Pitcairn Island': 'reached by satellite telephone only: no numbering plan of its own',
    'South Georgia': 'no permanent population: no telephone numbering plan of its own',
};

// Domains that are not the lower-case alpha-2 code (the alpha-2 domain is added when delegated).
const kExtraTlds = { GB: ['uk'] };

// Publish dates of the pinned npm versions; a version missing here stops the generator, so a new pin
// comes with its date.
const kNpmDates = {
    'cldr-core@48.2.0': '2026-03-18',
    'cldr-localenames-full@48.2.0': '2026-03-18',
    'country-data-list@1.6.3': '2026-05-23',
    'libphonenumber-js@1.13.18': '2026-12-03',
    'world-countries@5.1.0': '2025-02-26',
};

// ---- Reading the sources ---------------------------------------------------------------------------------------

const readJson = file => JSON.parse(readFileSync(file, 'utf8'));

function debianPackage(name) {
    let version;
    try {
        version = execFileSync('dpkg-query', ['-W', '-f=${Version}', name], { encoding: 'utf8' }).trim();
    } catch {
        fail(`Debian package ${name} is not installed (apt-get install ${name})`);
    }
    const log = execFileSync('sh', ['-c', `zcat /usr/share/doc/${name}/changelog.Debian.gz | grep -m1 '^ -- '`], {
        encoding: 'utf8',
    });
    const date = new Date(log.replace(/^.*>\s+/, '').trim());
    return { version, date: date.toISOString().slice(0, 10) };
}

function npmPackage(name) {
    const { version } = readJson(join(here, 'node_modules', name, 'package.json'));
    const date = kNpmDates[`${name}@${version}`];
    if (!date)
        fail(`${name}@${version} has no publish date in kNpmDates (or run npm ci in tools/)`);
    return { version, date };
}

const isoCodes = debianPackage('iso-codes');
const publicSuffix = debianPackage('publicsuffix');
const cldr = npmPackage('cldr-core');
const cldrNames = npmPackage('cldr-localenames-full');
const phone = npmPackage('libphonenumber-js');
const worldCountries = npmPackage('world-countries');
const countryData = npmPackage('country-data-list');
if (cldr.version !== cldrNames.version)
    fail(`cldr-core ${cldr.version} and cldr-localenames-full ${cldrNames.version} differ`);

const phoneChangelog = readFileSync(join(here, 'node_modules/libphonenumber-js/CHANGELOG.md'), 'utf8');
const phoneMetadataVersion = /Updated metadata to version ([\d.]+)/.exec(phoneChangelog.split('CHANGELOG START')[1])?.[1];
if (!phoneMetadataVersion)
    fail('libphonenumber-js CHANGELOG names no metadata version');

const iso1 = readJson('/usr/share/iso-codes/json/iso_3166-1.json')['3166-1'];
const iso3 = readJson('/usr/share/iso-codes/json/iso_3166-3.json')['3166-3'];
const isoByAlpha2 = new Map(iso1.map(e => [e.alpha_2, e]));

const cldrRegions = require('cldr-core/supplemental/currencyData.json').supplemental.currencyData.region;
const cldrAliases = require('cldr-core/supplemental/aliases.json').supplemental.metadata.alias.territoryAlias;
const cldrTerritories = require('cldr-localenames-full/main/en/territories.json').main.en.localeDisplayNames.territories;

const suffixRules = readFileSync('/usr/share/publicsuffix/public_suffix_list.dat', 'utf8')
    .split('\n')
    .map(line => line.trim())
    .filter(line => line && !line.startsWith('//'));
const delegatedTlds = new Set(suffixRules.map(rule => rule.split('.').at(-1)).filter(label => /^[a-z]{2}$/.test(label)));

const phoneMetadata = require('libphonenumber-js/metadata.max.json');
const wcByAlpha2 = new Map(require('world-countries/countries.json').map(c => [c.cca2, c]));
const cdByAlpha2 = new Map(
    require('country-data-list').countries.all.filter(c => c.status !== 'deleted').map(c => [c.alpha2, c]));

// ---- Reading the compiled record -------------------------------------------------------------------------------

// Rows of a compiled table: `{"a", "b", ...}, // <index> <name>`.
function readRows(file) {
    const rows = [];
    for (const line of readFileSync(join(root, file), 'utf8').split('\n')) {
        const m = /^\s*\{(.*)\},\s*\/\/\s*(\d+)\s+(.*)$/.exec(line);
        if (m)
            rows.push([...m[1].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(t => JSON.parse(`"${t[1]}"`)));
    }
    return rows;
}

// `{"Country", "text" "\r\n" "text"},` rows of one note table.
function readNotes(text, table) {
    const body = text.slice(text.indexOf(table));
    const notes = new Map();
    for (const line of body.slice(0, body.indexOf('}};')).split('\n')) {
        const texts = [...line.matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(t => JSON.parse(`"${t[1]}"`));
        if (texts.length >= 2)
            notes.set(texts[0], texts.slice(1).join(''));
    }
    return notes;
}

const countriesText = readFileSync(join(root, 'src/data/countries.h'), 'utf8');
const names = [...countriesText.slice(countriesText.indexOf('kCountryNames')).split('};')[0].matchAll(/"([^"]*)"/g)].map(
    m => m[1]);
const codes = readRows('src/data/codelists.h');
const records = readRows('src/data/records.h');
const notesText = readFileSync(join(root, 'src/data/prefixnotes.h'), 'utf8');
const iddNotes = readNotes(notesText, 'kIddNotes');
const nddNotes = readNotes(notesText, 'kNddNotes');
if (names.length !== 253 || codes.length !== 253 || records.length !== 253)
    fail(`expected 253 names, codes and records, read ${names.length}, ${codes.length}, ${records.length}`);

// ---- Today's facts of one ISO entry ----------------------------------------------------------------------------

// A NANP member's calling code is 1 followed by its area codes, which the metadata gives as a pattern of
// digits, classes and alternatives ("684", "8[024]9", "787|939"). Longer prefixes name services, not areas.
function expandAreaCodes(pattern) {
    return pattern.split('|').flatMap(alternative => {
        let results = [''];
        for (const m of alternative.matchAll(/\[([^\]]+)\]|(\d)|(.)/g)) {
            if (m[3])
                fail(`unexpected area code pattern ${pattern}`);
            const choices = m[2] ? [m[2]] : m[1].replace(/(\d)-(\d)/g, (_, a, b) => {
                let s = '';
                for (let d = Number(a); d <= Number(b); ++d)
                    s += d;
                return s;
            }).split('');
            results = results.flatMap(r => choices.map(c => r + c));
        }
        return results;
    }).filter(code => code.length === 3);
}

function phoneFacts(alpha2) {
    const plan = phoneMetadata.countries[alpha2];
    if (!plan)
        return { callingCodes: [], idd: [], iddPattern: '', ndd: [] };
    const [code, iddRule] = plan;
    const leading = plan[10];
    const callingCodes = code === '1' && leading ? expandAreaCodes(leading).map(area => `1${area}`) : [code];
    const plain = /^\d+$/.test(iddRule);
    const preferred = plan[12] || (plain ? iddRule : '');
    return {
        callingCodes,
        idd: preferred ? [preferred] : [],
        iddPattern: plain ? '' : iddRule,
        ndd: plan[5] ? [plan[5]] : [],
    };
}

function currencies(alpha2) {
    const current = [];
    for (const entry of cldrRegions[alpha2] ?? []) {
        const [[currency, facts]] = Object.entries(entry);
        if (!facts._to && facts._tender !== 'false')
            current.push(currency);
    }
    return current;
}

function iocFacts(alpha2) {
    const wc = wcByAlpha2.get(alpha2)?.cioc || '';
    const cd = cdByAlpha2.get(alpha2)?.ioc || '';
    if (wc === cd)
        return { ioc: wc ? [wc] : [], dispute: '' };
    return { ioc: [], dispute: `world-countries ${wc || 'none'}, country-data-list ${cd || 'none'}` };
}

function entryFacts(alpha2) {
    const iso = isoByAlpha2.get(alpha2);
    if (!iso)
        fail(`${alpha2} is no ISO 3166-1 entry in iso-codes ${isoCodes.version}`);
    const common = cldrTerritories[alpha2];
    if (!common)
        fail(`CLDR has no English name of ${alpha2}`);
    const tlds = [...(kExtraTlds[alpha2] ?? []), alpha2.toLowerCase()].filter(label => delegatedTlds.has(label));
    const shortNames = [iso.common_name, cldrTerritories[`${alpha2}-alt-short`]].filter(Boolean);
    return {
        isoName: [iso.name],
        commonName: [common],
        shortNames,
        alpha2: [alpha2],
        alpha3: [iso.alpha_3],
        numeric: [iso.numeric],
        tlds: [...new Set(tlds)].map(label => `.${label}`),
        currencies: currencies(alpha2),
        ...iocFacts(alpha2),
        ...phoneFacts(alpha2),
    };
}

// One pattern accepting what any of several patterns accepts.
const anyOf = patterns => (patterns.length > 1 ? patterns.map(p => `(?:${p})`).join('|') : patterns[0] ?? '');

// The distinct values over several entries, in entry order.
function joinFacts(list) {
    const joined = {};
    for (const key of Object.keys(list[0]))
        joined[key] = key === 'dispute' ? list.map(f => f.dispute).filter(Boolean).join('; ')
                    : key === 'iddPattern' ? anyOf([...new Set(list.map(f => f.iddPattern).filter(Boolean))])
                    : [...new Set(list.flatMap(f => f[key]))];
    return joined;
}

// ---- The rows --------------------------------------------------------------------------------------------------

const handNames = new Set([...Object.keys(kPartOf), ...Object.keys(kDissolved), ...Object.keys(kNoSource)]);
for (const name of handNames) {
    if (!names.includes(name))
        fail(`hand-mapped "${name}" is no country-list name`);
}

const rows = names.map((name, index) => {
    const [alpha2] = codes[index];
    if (kDissolved[name]) {
        const [successors, why] = kDissolved[name];
        const alias = cldrAliases[alpha2]?._replacement;
        if (alias !== successors)
            fail(`${name}: CLDR gives ${alpha2} → ${alias}, the hand mapping ${successors}`);
        const withdrawn = iso3.find(e => e.alpha_2 === alpha2 && e.alpha_3 === codes[index][1]);
        if (!withdrawn)
            fail(`${name}: ${alpha2} is not withdrawn in ISO 3166-3`);
        return { kind: 'Dissolved', reason: `${why} (${alpha2} withdrawn ${withdrawn.withdrawal_date})`,
                 ...joinFacts(successors.split(' ').map(entryFacts)) };
    }
    if (kPartOf[name]) {
        const [entry, why] = kPartOf[name];
        return { kind: 'PartOf', reason: why, ...entryFacts(entry) };
    }
    if (!isoByAlpha2.has(alpha2))
        fail(`${index} ${name}: ${alpha2} is no ISO 3166-1 entry today and the row is not mapped by hand`);
    const facts = entryFacts(alpha2);
    const sourceless = facts.callingCodes.length === 0;
    if (sourceless !== Boolean(kNoSource[name]))
        fail(`${index} ${name}: ${sourceless ? 'has no calling code but is not' : 'has a calling code but is'} in kNoSource`);
    return sourceless ? { kind: 'NoSource', reason: kNoSource[name], ...facts } : { kind: 'Same', reason: '', ...facts };
});

// ---- Comparing with the record (src/data/today.cpp applies the same rules) ------------------------------------

const kFields = ['Name', 'Alpha2', 'Alpha3', 'Numeric', 'Tld', 'Ioc', 'Currency', 'CallingCode', 'Idd', 'Ndd'];
const none = value => (value === '-' || value === '.-' || value === '0' ? '' : value);
// Names compare by their letters and digits alone, without accents or letter case: "Cote D 'Ivoire" is
// "Côte d’Ivoire", "Reunion" is "Réunion".
const fold = s => s.normalize('NFD').replace(/\p{M}/gu, '').toLowerCase().replace(/[^\p{L}\p{N}]/gu, '');

function leadingPrefix(note) {
    if (note.startsWith('None required'))
        return '';
    return /^[0-9~*]*/.exec(note)[0].replace(/[~*]/g, '');
}

function among(value, list) {
    return value === '' ? list.length === 0 : list.includes(value);
}

function compare(index, field) {
    const row = rows[index];
    if (row.kind === 'Dissolved')
        return 'Differs';
    const [alpha2, alpha3, tld, , ioc, currency] = codes[index];
    const record = records[index];
    const verdict = same => (same ? 'Same' : 'Differs');
    switch (field) {
    case 'Name': {
        if (row.kind === 'PartOf')
            return 'Same';
        const accepted = [...row.isoName, ...row.commonName, ...row.shortNames].map(fold);
        return verdict(accepted.includes(fold(names[index])));
    }
    case 'Alpha2': return verdict(among(none(alpha2), row.alpha2));
    case 'Alpha3': return verdict(among(none(alpha3), row.alpha3));
    case 'Numeric': return verdict(among(none(record[4]), row.numeric));
    case 'Tld': return verdict(among(none(tld), row.tlds));
    case 'Ioc': return row.dispute ? 'Unknown' : verdict(among(none(ioc), row.ioc));
    case 'Currency': return verdict(among(none(currency), row.currencies));
    case 'CallingCode': return verdict(among(none(record[5]), row.callingCodes));
    case 'Idd': {
        if (row.callingCodes.length === 0)
            return 'Unknown';
        const prefix = leadingPrefix(iddNotes.get(names[index]) ?? '00');
        const idds = row.idd.map(idd => idd.replace(/~/g, ''));
        return verdict(idds.includes(prefix) || (row.iddPattern !== '' && new RegExp(`^(?:${row.iddPattern})$`).test(prefix)));
    }
    case 'Ndd': {
        if (row.callingCodes.length === 0)
            return 'Unknown';
        return verdict(among(leadingPrefix(nddNotes.get(names[index]) ?? '0'), row.ndd));
    }
    }
    throw new Error(field);
}

const counts = Object.fromEntries(kFields.map(f => [f, 0]));
const prefixes = new Set(['Idd', 'Ndd']);
const codeFields = new Set(['Alpha2', 'Alpha3', 'Numeric', 'Tld', 'Ioc', 'Currency', 'CallingCode']);
let anyField = 0, withoutPrefixes = 0, codesOnly = 0;
for (let i = 0; i < rows.length; ++i) {
    const differing = kFields.filter(f => compare(i, f) === 'Differs');
    differing.forEach(f => ++counts[f]);
    anyField += differing.length > 0;
    withoutPrefixes += differing.some(f => !prefixes.has(f));
    codesOnly += differing.some(f => codeFields.has(f));
}

// ---- Writing ---------------------------------------------------------------------------------------------------

const cpp = s => `"${s.replace(/\\/g, '\\\\').replace(/"/g, '\\"')}"`;
const list = values => cpp(values.join('|'));

const sources = [
    ['ISO 3166-1 and 3166-3 (Debian iso-codes)', isoCodes.version, isoCodes.date, 'LGPL-2.1-or-later'],
    ['Unicode CLDR (cldr-core, cldr-localenames-full)', cldr.version, cldr.date, 'Unicode-3.0'],
    ['Public Suffix List (Debian publicsuffix)', publicSuffix.version, publicSuffix.date, 'MPL-2.0'],
    [`libphonenumber metadata ${phoneMetadataVersion} (libphonenumber-js)`, phone.version, phone.date, 'Apache-2.0 (metadata), MIT (package)'],
    ['world-countries (IOC codes)', worldCountries.version, worldCountries.date, 'ODbL-1.0'],
    ['country-data-list (IOC codes, second source)', countryData.version, countryData.date, 'MIT'],
];

const rowLines = rows.map((row, i) => {
    const fields = [
        `TodayKind::${row.kind}`, list(row.isoName), list(row.commonName), list(row.shortNames), list(row.alpha2),
        list(row.alpha3), list(row.numeric), list(row.tlds), list(row.ioc), cpp(row.dispute), list(row.currencies),
        list(row.callingCodes), list(row.idd), cpp(row.iddPattern), list(row.ndd), cpp(row.reason),
    ];
    return `    {${fields.join(', ')}}, // ${i} ${names[i]}`;
});

const unformatted = `#pragma once
// Generated by tools/make-today.mjs; edit the generator, not this file.
//
// The facts of every place as they stand today, beside the compiled record, which keeps its mid-2000s state.
// One row per country index. A multi-valued fact is its values joined by "|" (split with todayValues();
// iddPattern is one pattern, not a list);
// "" is no value. A dissolved row holds the distinct values over its successors, in successor order.
// Time-zone ids are not here: src/data/zones.h holds them for every record.

#include "data/countries.h"

#include <array>
#include <string_view>
#include <vector>

namespace orbilex {

enum class TodayKind {
    Same,      // the row is its own ISO 3166-1 entry
    PartOf,    // the row is today part of another entry (alpha2 names it)
    Dissolved, // the row's entry was withdrawn; alpha2 lists its successors
    NoSource,  // its own entry, but no numbering plan (uninhabited or satellite only): no phone facts
};

struct TodayRow {
    TodayKind kind;
    std::string_view isoName;      // ISO 3166-1 short name
    std::string_view commonName;   // CLDR English name
    std::string_view shortNames;   // other current short forms (ISO common name, CLDR short name)
    std::string_view alpha2;
    std::string_view alpha3;
    std::string_view numeric;
    std::string_view tlds;         // delegated ccTLDs, with their dot
    std::string_view ioc;          // where both IOC sources agree
    std::string_view iocDispute;   // where they disagree: what each says (ioc is then "")
    std::string_view currencies;   // ISO 4217, in legal tender
    std::string_view callingCodes; // E.164 digits; NANP members with their area code ("1684")
    std::string_view idd;          // the preferred international prefix
    std::string_view iddPattern;   // one pattern (ECMAScript) of the accepted international prefixes, where there are several
    std::string_view ndd;          // the national prefix
    std::string_view reason;       // why a row is mapped by hand; "" for Same
};

struct TodaySource {
    std::string_view name;
    std::string_view version;
    std::string_view date;
    std::string_view licence;
};

// clang-format off
inline constexpr std::array<TodaySource, ${sources.length}> kTodaySources = {{
${sources.map(s => `    {${s.map(cpp).join(', ')}},`).join('\n')}
}};

inline constexpr std::array<TodayRow, ${rows.length}> kToday = {{
${rowLines.join('\n')}
}};
// clang-format on
static_assert(kToday.size() == kCountryCount);

// Which fact of today is compared with which part of the record (rules in today.cpp).
enum class TodayField { Name, Alpha2, Alpha3, Numeric, Tld, Ioc, Currency, CallingCode, Idd, Ndd };
inline constexpr int kTodayFieldCount = ${kFields.length};
enum class TodayState { Same, Differs, Unknown };

// Records whose value differs today, per field in TodayField order, as the generator counted them.
inline constexpr std::array<int, kTodayFieldCount> kTodayDifferingRecords = {${kFields.map(f => counts[f]).join(', ')}};

std::vector<std::string_view> todayValues(std::string_view joined);
TodayState compareWithToday(int countryIndex, TodayField field);

} // namespace orbilex
`;

// The project's layout for everything but the tables, which keep one row per line.
const output = execFileSync('clang-format', ['--assume-filename=src/data/today.h'], {input: unformatted, cwd: root, encoding: 'utf8'});

console.log('Records whose value differs today:');
for (const f of kFields)
    console.log(`  ${f.padEnd(12)}${counts[f]}`);
console.log(`  any field   ${anyField}`);
console.log(`  any but IDD/NDD prefixes ${withoutPrefixes}`);
console.log(`  codes only (alpha-2, alpha-3, numeric, TLD, IOC, currency, calling code) ${codesOnly}`);
const unknown = kFields.map(f => [f, rows.filter((_, i) => compare(i, f) === 'Unknown').length]).filter(([, n]) => n);
console.log(`  not decided: ${unknown.map(([f, n]) => `${f} ${n}`).join(', ')}`);
for (const [i, row] of rows.entries()) {
    if (row.kind !== 'Same')
        console.log(`  by hand: ${i} ${names[i]} → ${row.kind} ${row.alpha2.join(' ')}: ${row.reason}`);
    if (row.dispute)
        console.log(`  IOC disputed: ${i} ${names[i]}: ${row.dispute}`);
}

if (checkOnly) {
    let current = '';
    try {
        current = readFileSync(outFile, 'utf8');
    } catch {}
    if (current !== output) {
        console.error('src/data/today.h differs from what the installed sources give');
        process.exit(1);
    }
    console.log('src/data/today.h is up to date');
} else {
    writeFileSync(outFile, output);
    console.log(`wrote ${outFile}`);
}
