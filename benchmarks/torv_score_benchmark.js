// Scores a generated 100,000-QSO ADIF log with torv-score and, in the same run, reads the same
// file with the independent reader adif-parser-ts; prints both times and their ratio.
//   node benchmarks/torv_score_benchmark.js TORV_SCORE [QSOS]
"use strict";
const { spawnSync } = require("child_process");
const fs = require("fs");
const os = require("os");
const path = require("path");
const { AdifParser } = require("adif-parser-ts");

const [program, count = "100000"] = process.argv.slice(2);
if (!program) {
    console.error("usage: node torv_score_benchmark.js TORV_SCORE [QSOS]");
    process.exit(2);
}
const qsos = Number(count);
const folder = fs.mkdtempSync(path.join(os.tmpdir(), "torv-score-benchmark-"));
const logFile = path.join(folder, "log.adi");

// A deterministic log: every band and mode, serial numbers and ICAO codes, one QSO every
// two seconds from the contest start.
const bands = [["80m", 3.52], ["40m", 7.02], ["20m", 14.02], ["15m", 21.02], ["10m", 28.02]];
const modes = [["CW"], ["SSB", "USB"], ["RTTY"], ["PSK", "PSK63"]];
const prefixes = ["DL", "F", "G", "I", "OK", "SP", "UA", "UA9", "JA", "VK", "W", "PY", "ZS"];
const icao = ["LIRF", "EDDF", "LFPG", "EGLL", "KJFK", "RJTT", "YSSY", "SBGR", "FAOR", "UUEE"];
const field = (name, value) => `<${name}:${Buffer.byteLength(value)}>${value} `;
const start = Date.UTC(2026, 2, 14, 12, 0, 0);
let text = "generated for the torv-score benchmark\n<ADIF_VER:5>3.1.4 <EOH>\n";
for (let i = 0; i < qsos; i++) {
    const [band, mhz] = bands[i % bands.length];
    const [mode, submode] = modes[Math.floor(i / 5) % modes.length];
    const time = new Date(start + i * 2000).toISOString();
    const call = `${prefixes[i % prefixes.length]}${i % 10}${String.fromCharCode(65 + (i % 26))}` +
                 `${String.fromCharCode(65 + (Math.floor(i / 26) % 26))}` +
                 `${String.fromCharCode(65 + (Math.floor(i / 676) % 26))}`;
    text += field("CALL", call) + field("QSO_DATE", time.slice(0, 10).replace(/-/g, "")) +
            field("TIME_ON", time.slice(11, 19).replace(/:/g, "")) + field("BAND", band) +
            field("FREQ", mhz.toFixed(3)) + field("MODE", mode) +
            (submode ? field("SUBMODE", submode) : "") + field("RST_SENT", "599") +
            field("RST_RCVD", "599") + field("STX_STRING", String(i + 1)) +
            field("SRX_STRING", i % 7 === 0 ? icao[i % icao.length] : String(i % 1500 + 1)) +
            field("STATION_CALLSIGN", "IK2TRV") + "<EOR>\n";
}
fs.writeFileSync(logFile, text);

const seconds = (begin) => Number(process.hrtime.bigint() - begin) / 1e9;

let begin = process.hrtime.bigint();
const scored = spawnSync(program, ["--no-progress", "-o", folder, logFile], { encoding: "utf8" });
const scorerSeconds = seconds(begin);
if (scored.status !== 0) {
    console.error(`torv-score failed (${scored.status}):\n${scored.stderr}`);
    process.exit(1);
}

begin = process.hrtime.bigint();
const parsed = AdifParser.parseAdi(fs.readFileSync(logFile, "utf8"));
const parserSeconds = seconds(begin);
if (parsed.records.length !== qsos) {
    console.error(`adif-parser-ts read ${parsed.records.length} records, not ${qsos}`);
    process.exit(1);
}

if (!process.env.KEEP_LOG) fs.rmSync(folder, { recursive: true, force: true });
else console.log(`log kept: ${logFile}`);
console.log(`${qsos} QSOs, ${(text.length / 1e6).toFixed(1)} MB`);
console.log(`torv-score (read, resolve countries, score, result): ${scorerSeconds.toFixed(3)} s`);
console.log(`adif-parser-ts (read and parse only):                ${parserSeconds.toFixed(3)} s`);
console.log(`ratio torv-score / adif-parser-ts: ${(scorerSeconds / parserSeconds).toFixed(2)}`);
console.log(scored.stdout.split("\n").find((line) => line.startsWith("Score")));
