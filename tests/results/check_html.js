// Runs the W3C Nu HTML checker on result documents and fails on any error except the two the
// host's viewer needs: the obsolete center element and the missing doctype. With --strict
// (documents of our own for a browser) every error fails.
//   node check_html.js [--strict] VNU_JAR FILE...
"use strict";
const { spawnSync } = require("child_process");

const strict = process.argv[2] === "--strict";
const [jar, ...files] = process.argv.slice(strict ? 3 : 2);
const accepted = strict ? [] : [
    /^The “center” element is obsolete\./,
    /^Start tag seen without seeing a doctype first\./,
];

const run = spawnSync("java", ["-jar", jar, "--errors-only", "--format", "json", ...files], {
    encoding: "utf8",
    maxBuffer: 64 * 1024 * 1024,
});
if (run.error) {
    console.error(`cannot run the checker: ${run.error.message}`);
    process.exit(1);
}
let report;
try {
    report = JSON.parse(run.stderr || run.stdout);
} catch (error) {
    console.error(`no report from the checker:\n${run.stdout}\n${run.stderr}`);
    process.exit(1);
}

const checked = new Set();
let failures = 0;
for (const message of report.messages) {
    if (message.url)
        checked.add(decodeURIComponent(message.url.replace(/^file:/, "")));
    if (message.type === "error" && accepted.some((pattern) => pattern.test(message.message)))
        continue;
    failures++;
    console.error(`${message.url}:${message.lastLine}:${message.lastColumn}: ${message.type}: ` +
                  `${message.message}\n    ${message.extract}`);
}
// Every result document has center elements, so each one must show up in the report; a
// strict check can only ask that the document exists.
for (const file of files) {
    if (strict) {
        if (!require("fs").existsSync(file)) {
            failures++;
            console.error(`${file}: missing`);
        }
        continue;
    }
    if (![...checked].some((url) => url.endsWith(file.replace(/^.*\//, "/")))) {
        failures++;
        console.error(`${file}: not checked`);
    }
}
console.log(`${files.length} documents checked, ${failures} errors`);
process.exit(failures === 0 ? 0 : 1);
