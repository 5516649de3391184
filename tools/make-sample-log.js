#!/usr/bin/env node
// Writes data/sample/torv-sample.adi, a made-up TORV contest log in ADIF 3 of the Italian
// station IK2TRV, Saturday 2026-03-14 12:00 UTC to Sunday 2026-03-15 12:00 UTC. The log is the
// same on every run: all choices come from a seeded generator. Besides the contest QSOs it
// holds what a scorer must not count: dupes, a few QSOs on 160m and in FT8, and one QSO
// without a received exchange. The received ICAO codes come from data/ICAO.sec, so run
// tools/make-icao-list.js first when that list changes.

'use strict';

const fs = require('fs');
const path = require('path');

const root = path.join(__dirname, '..');
const outputFile = path.join(root, 'data', 'sample', 'torv-sample.adi');
const ownCall = 'IK2TRV';
const contestStart = Date.UTC(2026, 2, 14, 12, 0, 0);
const hour = 3600 * 1000;

// mulberry32: small, fast and good enough for made-up data.
let seed = 9;
function random() {
    seed = (seed + 0x6d2b79f5) | 0;
    let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
}
const between = (low, high) => low + Math.floor(random() * (high - low + 1));
const pick = (list) => list[Math.floor(random() * list.length)];
function weighted(weights) {
    const entries = Object.entries(weights);
    let r = random() * entries.reduce((sum, [, w]) => sum + w, 0);
    for (const [key, w] of entries) if ((r -= w) < 0) return key;
    return entries[entries.length - 1][0];
}

// Where each mode is found on each band, in kHz (IARU Region 1 band plan).
const bandPlan = {
    '160m': { CW: [1810, 1838], SSB: [1843, 1990] },
    '80m': { CW: [3505, 3565], RTTY: [3580, 3598], BPSK63: [3580, 3590], SSB: [3610, 3790] },
    '40m': { CW: [7005, 7035], RTTY: [7040, 7050], BPSK63: [7040, 7045], SSB: [7060, 7195] },
    '20m': { CW: [14005, 14060], RTTY: [14080, 14099], BPSK63: [14070, 14074], SSB: [14130, 14345] },
    '15m': { CW: [21005, 21065], RTTY: [21080, 21110], BPSK63: [21070, 21075], SSB: [21155, 21445] },
    '10m': { CW: [28005, 28065], RTTY: [28080, 28140], BPSK63: [28070, 28075], SSB: [28320, 28690] },
};
const ft8Dial = { '40m': 7074, '20m': 14074 };

// How open each band is by UTC hour: the high bands close at night, 80m wakes up.
function bandWeights(utcHour) {
    const day = utcHour >= 7 && utcHour < 17;
    return {
        '80m': utcHour >= 17 || utcHour < 7 ? 5 : 0.3,
        '40m': 3,
        '20m': utcHour >= 6 && utcHour < 21 ? 5 : 0.5,
        '15m': day ? 4 : 0,
        '10m': utcHour >= 9 && utcHour < 15 ? 3 : 0,
    };
}
const modeWeights = { CW: 35, SSB: 35, RTTY: 18, BPSK63: 12 };
const modeClass = (mode) => (mode === 'RTTY' || mode === 'BPSK63' ? 'DIGI' : mode);

// Who is heard: own country, own continent and DX, by band; DX leans to the Americas in the
// afternoon and evening and to Asia and Oceania in the morning.
function regionWeights(band, utcHour) {
    const dx = { '80m': 1, '40m': 2.5, '20m': 5, '15m': 6, '10m': 6.5 }[band];
    const west = utcHour >= 13 && utcHour < 24;
    const east = utcHour >= 3 && utcHour < 12;
    return {
        IT: band === '80m' || band === '40m' ? 2.5 : 0.7,
        EU: 6,
        NA: dx * (west ? 0.45 : 0.15),
        SA: dx * 0.15,
        AF: dx * 0.12,
        AS: dx * (east ? 0.35 : 0.12),
        OC: dx * (east ? 0.2 : 0.04),
    };
}

// Call prefixes by country: [prefixes, call area digits, ICAO region of its airports].
const countries = {
    IT: [[['I', 'IK', 'IZ', 'IW', 'IU'], '12345678', 'LI']],
    EU: [
        [['DL', 'DK', 'DJ', 'DO'], '123456789', 'ED'], [['F'], '14568', 'LF'],
        [['G', 'M'], '0347', 'EG'], [['EA'], '12357', 'LE'], [['OK', 'OL'], '12', 'LK'],
        [['SP', 'SQ'], '1235679', 'EP'], [['HA'], '135678', 'LH'], [['OE'], '13568', 'LO'],
        [['HB'], '9', 'LS'], [['ON'], '4567', 'EB'], [['PA', 'PD'], '0123', 'EH'],
        [['OZ'], '1257', 'EK'], [['SM'], '0357', 'ES'], [['OH'], '1268', 'EF'],
        [['LY'], '235', 'EY'], [['YL'], '23', 'EV'], [['S5'], '1257', 'LJ'],
        [['9A'], '1235', 'LD'], [['YU'], '1457', 'LY'], [['LZ'], '1235', 'LB'],
        [['YO'], '2345689', 'LR'], [['SV'], '1234', 'LG'], [['UA', 'RA', 'RK'], '1346', 'UU'],
        [['UR', 'UT', 'US'], '0357', 'UK'], [['CT'], '127', 'LP'], [['EI'], '2357', 'EI'],
        [['GM'], '034', 'EG'], [['LA'], '1359', 'EN'], [['OM'], '2357', 'LZ'],
    ],
    NA: [
        [['K', 'W', 'N', 'AA', 'KB', 'KC', 'WA', 'WB'], '0123456789', 'K'],
        [['VE', 'VA'], '1234567', 'CY'], [['XE'], '123', 'MM'], [['KP'], '4', 'TJ'],
        [['CO', 'CM'], '268', 'MU'],
    ],
    SA: [
        [['PY', 'PU'], '1257', 'SB'], [['LU'], '1345789', 'SA'], [['CE'], '1358', 'SC'],
        [['HK'], '1347', 'SK'], [['YV'], '1457', 'SV'], [['OA'], '4', 'SP'], [['CX'], '2579', 'SU'],
    ],
    AF: [
        [['ZS'], '1256', 'FA'], [['5Z'], '4', 'HK'], [['CN'], '28', 'GM'], [['EA'], '8', 'GC'],
        [['SU'], '1', 'HE'], [['7X'], '245', 'DA'], [['9J'], '2', 'FL'], [['6W'], '17', 'GO'],
    ],
    AS: [
        [['JA', 'JE', 'JH', 'JR'], '123456789', 'RJ'], [['BY', 'BG', 'BD'], '14', 'ZB'],
        [['HL', 'DS'], '1245', 'RK'], [['VU'], '2', 'VA'], [['UA', 'RA', 'RV'], '90', 'UN'],
        [['4X', '4Z'], '1456', 'LL'], [['A6'], '1', 'OM'], [['HS'], '01', 'VT'], [['9M'], '2', 'WM'],
        [['TA'], '234', 'LT'], [['UN'], '79', 'UA'], [['EX'], '28', 'UAF'],
    ],
    OC: [
        [['VK'], '12345678', 'Y'], [['ZL'], '1234', 'NZ'], [['KH'], '6', 'PH'],
        [['YB'], '0123459', 'WI'], [['DU'], '1379', 'RP'], [['9M'], '68', 'WB'],
    ],
};

const icaoList = fs.readFileSync(path.join(root, 'data', 'ICAO.sec'), 'latin1');
const icaoCodes = icaoList.split(/\r?\n/).filter(Boolean);
// Stations sending an ICAO code sit at a few airports per country, so several of them send
// the same code and a band and mode class sees codes again that are no new multiplier.
const homeAirports = new Map();
function airportOf(icaoRegion) {
    if (!homeAirports.has(icaoRegion)) {
        const codes = icaoCodes.filter((code) => code.startsWith(icaoRegion));
        homeAirports.set(icaoRegion, Array.from({ length: 2 }, () => pick(codes)));
    }
    return pick(homeAirports.get(icaoRegion));
}

const letters = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ';
const stations = new Map();  // call -> station
function newStation(region) {
    for (;;) {
        const [prefixes, digits, icaoRegion] = pick(countries[region]);
        const suffix = Array.from({ length: between(2, 3) }, () => pick(letters)).join('');
        const call = pick(prefixes) + pick(digits) + suffix;
        if (call === ownCall || stations.has(call)) continue;
        const station = {
            call,
            icao: random() < 0.22 ? airportOf(icaoRegion) : null,
            rate: between(8, 70),  // its own QSOs an hour, for the serial number it sends
        };
        stations.set(call, station);
        return station;
    }
}
function stationFor(band, mode, utcHour, worked) {
    const region = weighted(regionWeights(band, utcHour));
    const known = [...stations.values()].filter((s) => !worked.has(`${s.call} ${band} ${modeClass(mode)}`));
    // Big stations show up on every band: often a call already worked elsewhere comes back.
    if (known.length > 0 && random() < 0.3) return pick(known);
    return newStation(region);
}

// QSOs an hour from 12 UTC on: a fast start, a night dip, the Sunday morning comeback.
const hourlyRates = [32, 26, 22, 20, 18, 20, 18, 15, 14, 12, 9, 6, 4, 3, 3, 3, 5, 8, 12, 16, 18, 20, 18, 22];

// QSO times in bursts: runs of a few QSOs half a minute to a minute and a half apart.
function burstTimes(hourStart, count) {
    const times = [];
    while (times.length < count) {
        let t = hourStart + random() * 0.95 * hour;
        for (let k = between(1, 7); k > 0 && times.length < count; k--) {
            times.push(Math.min(t, hourStart + hour - 1000));
            t += between(25, 95) * 1000;
        }
    }
    return times.map((t) => Math.floor(t / 1000) * 1000);
}

function kHzIn([low, high], step) {
    return low + Math.floor(random() * ((high - low) / step + 1)) * step;
}

const qsos = [];
const worked = new Set();
let band = '20m';
let mode = 'CW';
let runLength = 0;
const times = hourlyRates
    .flatMap((count, h) => burstTimes(contestStart + h * hour, count))
    .sort((a, b) => a - b);
for (const time of times) {
    const utcHour = new Date(time).getUTCHours();
    // The operator changes band or mode now and then, at the latest after twenty QSOs.
    if (random() < 0.1 || ++runLength > 20 || bandWeights(utcHour)[band] === 0) {
        runLength = 1;
        // Half the time the operator goes where the log is thinnest, for the multipliers there.
        const open = Object.entries(bandWeights(utcHour)).filter(([, w]) => w > 0.5).map(([b]) => b);
        const pairs = open.flatMap((b) => Object.keys(modeWeights).map((m) => [b, m]));
        const count = ([b, m]) => qsos.filter((q) => q.band === b && q.mode === m).length;
        const fewest = Math.min(...pairs.map(count));
        [band, mode] = random() < 0.5
            ? pick(pairs.filter((p) => count(p) === fewest))
            : [weighted(bandWeights(utcHour)), weighted(modeWeights)];
    }
    let station = stationFor(band, mode, utcHour, worked);
    // Every so often the operator works a station again on the same band and mode class: a dupe.
    const before = qsos.filter((q) => q.band === band && modeClass(q.mode) === modeClass(mode));
    if (before.length > 0 && qsos.length % 45 === 44) station = pick(before).station;
    const key = `${station.call} ${band} ${modeClass(mode)}`;
    const dupe = worked.has(key);
    worked.add(key);
    const kHz = kHzIn(bandPlan[band][mode], mode === 'SSB' ? 1 : 0.1);
    qsos.push({ time, station, band, mode, dupe, kHz });
}

// What the contest does not count: a quiet night hour on 160m CW and a few FT8 QSOs on 20m.
function addOutside(start, count, bandName, modeName) {
    for (let i = 0; i < count; i++) {
        const time = start + i * between(60, 240) * 1000;
        const kHz = modeName === 'FT8'
            ? ft8Dial[bandName] + between(3, 28) / 10
            : kHzIn(bandPlan[bandName][modeName], 0.1);
        const station = newStation(pick(['IT', 'EU', 'EU']));
        qsos.push({ time, station, band: bandName, mode: modeName, kHz });
    }
}
addOutside(Date.UTC(2026, 2, 15, 1, 12, 0), 4, '160m', 'CW');
addOutside(Date.UTC(2026, 2, 15, 8, 41, 0), 4, '20m', 'FT8');
qsos.sort((a, b) => a.time - b.time);

// A contest QSO whose received exchange the operator did not log.
const noExchange = qsos.find(
    (q) => q.time >= Date.UTC(2026, 2, 14, 17, 30) && !q.dupe && q.band !== '160m' && q.mode !== 'FT8');

// Signal reports as [sent, received]: FT8 gives its signal-to-noise ratio in dB.
function reports(mode) {
    const decibels = () => '-' + String(between(1, 18)).padStart(2, '0');
    if (mode === 'FT8') return [decibels(), decibels()];
    const [good, fair] = mode === 'SSB' ? ['59', '57'] : ['599', '579'];
    return [random() < 0.85 ? good : fair, good];
}

const seen = new Set();
for (const [i, q] of qsos.entries()) {
    const hours = (q.time - contestStart) / hour;
    q.sent = String(i + 1).padStart(3, '0');
    const serial = String(1 + Math.floor(hours * q.station.rate));
    q.received = q === noExchange ? null : q.station.icao || serial;
    [q.rstSent, q.rstRcvd] = reports(q.mode);
    seen.add(`${q.band} ${q.mode}`);
}
for (const b of Object.keys(bandWeights(0)))
    for (const m of Object.keys(modeWeights))
        if (!seen.has(`${b} ${m}`)) throw new Error(`no QSO on ${b} in ${m}: change the seed`);

// ADIF wants SSB and PSK63 as submodes; some loggers leave the SSB submode out and older ones
// write PSK63 as a mode of its own.
function adifMode(q) {
    if (q.mode === 'SSB') return random() < 0.5 ? ['SSB', q.kHz < 10000 ? 'LSB' : 'USB'] : ['SSB', null];
    if (q.mode === 'BPSK63') return random() < 0.8 ? ['PSK', 'PSK63'] : ['PSK63', null];
    return [q.mode, null];
}

const field = (name, value) => (value == null ? '' : `<${name}:${String(value).length}>${value} `);
const iso = (time) => new Date(time).toISOString();
let text = 'TORV contest sample log, made up by tools/make-sample-log.js\n' +
    field('ADIF_VER', '3.1.4') + field('PROGRAMID', 'make-sample-log') + '<EOH>\n';
for (const q of qsos) {
    const [adif, submode] = adifMode(q);
    text += [
        field('CALL', q.station.call),
        field('QSO_DATE', iso(q.time).slice(0, 10).replace(/-/g, '')),
        field('TIME_ON', iso(q.time).slice(11, 19).replace(/:/g, '')),
        field('BAND', q.band),
        field('FREQ', (q.kHz / 1000).toFixed(4)),
        field('MODE', adif),
        field('SUBMODE', submode),
        field('RST_SENT', q.rstSent),
        field('RST_RCVD', q.rstRcvd),
        field('STX_STRING', q.sent),
        field('SRX_STRING', q.received),
        field('STATION_CALLSIGN', ownCall),
    ].join('') + '<EOR>\n';
}
fs.mkdirSync(path.dirname(outputFile), { recursive: true });
fs.writeFileSync(outputFile, text, 'latin1');
console.log(`${path.relative(process.cwd(), outputFile)}: ${qsos.length} QSOs`);
