// Runs the W3C Nu HTML checker on documents that must have no error at all.
//   node check_html_strict.js VNU_JAR FILE...
"use strict";
const { spawnSync } = require("child_process");
const fs = require("fs");

const [jar, ...files] = process.argv.slice(2);
for (const file of files) {
    if (!fs.existsSync(file)) {
        console.error(`${file}: missing`);
        process.exit(1);
    }
}
const run = spawnSync("java", ["-jar", jar, "--errors-only", "--format", "text", ...files], {
    encoding: "utf8",
    maxBuffer: 64 * 1024 * 1024,
});
if (run.error) {
    console.error(`cannot run the checker: ${run.error.message}`);
    process.exit(1);
}
process.stderr.write(run.stdout + run.stderr);
console.log(`${files.length} documents checked: ${run.status === 0 ? "no error" : "errors"}`);
process.exit(run.status === 0 ? 0 : 1);
