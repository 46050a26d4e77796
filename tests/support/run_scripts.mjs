// SPDX-License-Identifier: GPL-3.0-or-later
// node run_scripts.mjs MICROPYTHON.mjs SCRIPT...: run_scripts.py under
// MicroPython, every script in one interpreter start.
import { readFileSync } from "node:fs";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const [modulepath, ...scripts] = process.argv.slice(2);
const { loadMicroPython } = await import(modulepath);
const mp = await loadMicroPython({ stdout: (line) => process.stderr.write(line + "\n"), linebuffer: true });
const here = dirname(fileURLToPath(import.meta.url));
for (const name of ["casioplot.py", "run_scripts.py"]) mp.FS.writeFile("/" + name, readFileSync(join(here, name)));
const inside = scripts.map((path, i) => {
  mp.FS.writeFile(`/s${i}.py`, readFileSync(path));
  return `/s${i}.py`;
});
mp.runPython(`import sys
sys.path.insert(0, "/")
import run_scripts
out = open("/out.txt", "w")
run_scripts.runall(${JSON.stringify(inside)}, out)
out.close()`);
// The names the caller gave, not the copies'.
let text = mp.FS.readFile("/out.txt", { encoding: "utf8" });
inside.forEach((copy, i) => { text = text.replace(`script ${copy}\n`, `script ${scripts[i]}\n`); });
process.stdout.write(text);
