// Compares the scorer's ADIF parser with an independent one (adif-parser-ts) on the same files:
// both must find the same header fields and the same records, with the same lower-case field
// names and values. The first file is written here first: valid ADIF, but awkward.
//   node adif_crosscheck.js NODE_MODULES RECORDS_JSON_PROGRAM GENERATED_FILE [FILE...]
"use strict";
const fs = require("fs");
const path = require("path");
const { spawnSync } = require("child_process");

const [modules, program, generated, ...others] = process.argv.slice(2);
const { AdifParser } = require(path.join(modules, "adif-parser-ts"));

// Values are byte strings: one character per byte, as "latin1" reads and writes them.
function utf8Bytes(text) {
    return Buffer.from(text, "utf8").toString("latin1");
}

function field(name, value, type) {
    return `<${name}:${value.length}${type ? ":" + type : ""}>${value}`;
}

function awkwardFile() {
    let text = "Exported for the reader cross-check\r\nsecond line of header text\n";
    text += field("adif_ver", "3.1.4") + " " + field("PROGRAMID", "crosscheck", "S") + "\r\n";
    text += field("Created_Timestamp", "20240115 120000") + "\n<eoh>\r\n\r\n";
    const records = [
        // Upper-case names with type indicators, CR LF, a zero-length field.
        [field("CALL", "XX1ABC", "S"), field("QSO_DATE", "20240115", "D"),
         field("TIME_ON", "1205", "T"), field("BAND", "20M", "E"), field("MODE", "CW"),
         field("FREQ", "14.025", "N"), field("RST_SENT", "599"), field("STX", "1"),
         field("SRX_STRING", "LIRF"), field("COMMENT", "")].join(" ") + " <EOR>\r\n",
        // Lower-case names, LF, data holding what looks like tags and line ends.
        [field("call", "xx2abc"), field("qso_date", "20240115"), field("time_on", "120530"),
         field("mode", "PSK"), field("submode", "PSK63"), field("freq", "7.03512"),
         field("notes", "a <b> c\r\nsee <EOR> and <CALL:3>XYZ>"),
         field("comment", "<")].join("\n") + "\n<eor>\n",
        // Mixed case, UTF-8 bytes, text between fields, a zero-length field last.
        field("Call", "XX3ABC") + " text between fields " + field("Name", utf8Bytes("Jürgen")) +
            "\r\n" + field("Qth", utf8Bytes("Zürich > Genève")) + field("Srx", "12") +
            field("Operator", "XX9OWN") + field("Address", "line one\nline two\r\n") +
            field("Comment", "") + "<Eor>",
    ];
    for (let i = 0; i < 20; i++) {
        const end = i % 2 ? "\r\n" : "\n";
        records.push(field(i % 3 ? "CALL" : "call", `XX${i}DEF`) + end +
                     field("QSO_DATE", "20240116", i % 4 ? "D" : "") +
                     field("TIME_ON", String(1000 + i)) + end + field("MODE", "RTTY") +
                     field("STX_STRING", String(i).padStart(3, "0")) + "<EOR>" + end);
    }
    return text + records.join("");
}

function asObject(fields) {
    const object = {};
    for (const [name, value] of fields) {
        if (name in object)
            throw new Error(`field ${name} twice: the other reader keeps only one`);
        object[name] = value;
    }
    return object;
}

function differences(where, ours, theirs) {
    const found = [];
    for (const name of new Set([...Object.keys(ours), ...Object.keys(theirs)])) {
        if (ours[name] !== theirs[name])
            found.push(`${where}: ${name}: ours ${JSON.stringify(ours[name])}, ` +
                       `theirs ${JSON.stringify(theirs[name])}`);
    }
    return found;
}

function compare(file) {
    const run = spawnSync(program, [file], { encoding: "latin1", maxBuffer: 256 * 1024 * 1024 });
    if (run.error || run.status !== 0)
        return [`${file}: ${program} failed: ${run.error ? run.error.message : run.stderr}`];
    const ours = JSON.parse(run.stdout);
    const theirs = AdifParser.parseAdi(fs.readFileSync(file, "latin1"));
    const found = [];
    if (ours.header_problem)
        found.push(`${file}: header: ${ours.header_problem}`);
    const theirHeader = { ...(theirs.header || {}) };
    delete theirHeader.text;
    found.push(...differences(`${file}: header`, asObject(ours.header), theirHeader));
    const theirRecords = theirs.records || [];
    if (ours.records.length !== theirRecords.length)
        found.push(`${file}: ${ours.records.length} records, the other reader ` +
                   `${theirRecords.length}`);
    ours.records.forEach((record, i) => {
        const where = `${file}: record ${record.number}`;
        if (record.problem)
            found.push(`${where}: ${record.problem}`);
        found.push(...differences(where, asObject(record.fields), theirRecords[i] || {}));
    });
    console.log(`${file}: ${ours.records.length} records`);
    return found;
}

fs.mkdirSync(path.dirname(generated), { recursive: true });
fs.writeFileSync(generated, Buffer.from(awkwardFile(), "latin1"));
const found = [generated, ...others].flatMap(compare);
for (const line of found)
    console.error(line);
console.log(`${1 + others.length} files compared, ${found.length} differences`);
process.exit(found.length === 0 ? 0 : 1);
