#!/usr/bin/env node
// Compares the compiled code table with today's world-countries data set and prints every difference in alpha-2,
// alpha-3, numeric, TLD, IOC and currency codes, one line each. Run by hand when the table is edited; the program's
// codes keep their mid-2000s state on purpose, so a difference is a question, not an error: the ones that stand
// are explained in src/data/DATA-NOTES.md.
//
// The data set is not part of the repository. Install it in a scratch folder:
//     mkdir -p /tmp/wc && cd /tmp/wc && npm install world-countries
// then run, from anywhere:
//     node tools/crosscheck-codes.mjs /tmp/wc/node_modules/world-countries
// The argument may also name countries.json itself. Without it the package is looked for in node_modules beside
// this script and in the current folder.
//
// Numeric codes come from src/data/records.h (the ISO number, fifth text of each row); without that file the
// numeric comparison is skipped with a message.

import { existsSync, readFileSync, statSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');

function findCountriesJson(arg) {
    const candidates = arg
        ? [resolve(arg)]
        : [join(here, 'node_modules', 'world-countries'), join(process.cwd(), 'node_modules', 'world-countries')];
    for (const candidate of candidates) {
        if (!existsSync(candidate))
            continue;
        const file = statSync(candidate).isDirectory() ? join(candidate, 'countries.json') : candidate;
        if (existsSync(file))
            return file;
    }
    console.error(`world-countries not found (tried ${candidates.join(', ')}); see the header of this script`);
    process.exit(2);
}

// Rows of a compiled table: `{"a", "b", ...}, // <index> <name>`.
function readRows(file) {
    const rows = [];
    const rowPattern = /^\s*\{(.*)\},\s*\/\/\s*(\d+)\s+(.*)$/;
    for (const line of readFileSync(file, 'utf8').split('\n')) {
        const m = rowPattern.exec(line);
        if (!m)
            continue;
        const texts = [...m[1].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map(t => JSON.parse(`"${t[1]}"`));
        rows.push({ index: Number(m[2]), name: m[3].trim(), texts });
    }
    rows.forEach((row, i) => {
        if (row.index !== i)
            throw new Error(`${file}: row ${i} is commented as index ${row.index}`);
    });
    return rows;
}

const normalise = s => s.normalize('NFD').replace(/[\u0300-\u036f]/g, '').toLowerCase().replace(/[^a-z]/g, '');

const countries = JSON.parse(readFileSync(findCountriesJson(process.argv[2]), 'utf8'));
const byAlpha2 = new Map(countries.map(c => [c.cca2, c]));
const byName = new Map();
for (const c of countries) {
    for (const name of [c.name.common, c.name.official, ...(c.altSpellings ?? [])])
        byName.set(normalise(name), c);
}

const codes = readRows(join(root, 'src/data/codelists.h')).map(row => {
    const [alpha2, alpha3, tld, fips, ioc, currency] = row.texts;
    return { index: row.index, name: row.name, alpha2, alpha3, tld, fips, ioc, currency };
});

const recordsFile = join(root, 'src/data/records.h');
let isoNumbers = null;
if (existsSync(recordsFile)) {
    isoNumbers = readRows(recordsFile).map(row => row.texts[4]);
    if (isoNumbers.length !== codes.length) {
        console.log(`records.h has ${isoNumbers.length} rows, codelists.h ${codes.length}: numeric codes skipped`);
        isoNumbers = null;
    }
} else {
    console.log('src/data/records.h not found: numeric codes skipped');
}

const none = value => (value === undefined || value === '' || value === '-' || value === '.-' ? '-' : value);
let differences = 0;
const report = (row, field, ours, theirs) => {
    ++differences;
    console.log(`${row.index} ${row.name}: ${field} "${ours}" here, "${theirs}" in world-countries`);
};

const matched = new Set();
for (const row of codes) {
    const country = byAlpha2.get(row.alpha2) ?? byName.get(normalise(row.name));
    if (!country) {
        ++differences;
        console.log(`${row.index} ${row.name}: no entry in world-countries (alpha-2 "${row.alpha2}")`);
        continue;
    }
    matched.add(country);
    if (row.alpha2 !== country.cca2)
        report(row, 'alpha-2', row.alpha2, country.cca2);
    if (none(row.alpha3) !== none(country.cca3))
        report(row, 'alpha-3', none(row.alpha3), none(country.cca3));
    if (isoNumbers && none(isoNumbers[row.index]) !== none(country.ccn3))
        report(row, 'numeric', none(isoNumbers[row.index]), none(country.ccn3));
    const tlds = country.tld ?? [];
    if (none(row.tld) === '-' ? tlds.length > 0 : !tlds.includes(row.tld))
        report(row, 'TLD', none(row.tld), tlds.join(' ') || '-');
    if (none(row.ioc) !== none(country.cioc))
        report(row, 'IOC', none(row.ioc), none(country.cioc));
    const currencies = Object.keys(country.currencies ?? {});
    if (none(row.currency) === '-' ? currencies.length > 0 : !currencies.includes(row.currency))
        report(row, 'currency', none(row.currency), currencies.join(' ') || '-');
}

for (const country of countries) {
    if (!matched.has(country)) {
        ++differences;
        console.log(`world-countries only: ${country.cca2} ${country.cca3} ${country.name.common}`);
    }
}

console.log(`${differences} differences`);
