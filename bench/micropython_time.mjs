// SPDX-License-Identifier: GPL-3.0-or-later
// node micropython_time.mjs MICROPYTHON.mjs SCRIPT BARE: the milliseconds
// MicroPython takes to run SCRIPT, then the loop of BARE's function `bare`,
// each the fastest of twelve runs. casioplot's set_pixel is a native call that
// takes any three arguments and does nothing (an empty string's `format`),
// as the calculator's is native: no Python stand-in's time hides the decoding's.
import { readFileSync } from "node:fs";

const [modulepath, script, bare] = process.argv.slice(2);
const { loadMicroPython } = await import(modulepath);
const mp = await loadMicroPython({ heapsize: 8 * 1024 * 1024, stdout: (l) => process.stderr.write(l + "\n") });
mp.FS.writeFile("/casioplot.py", "set_pixel = \"\".format\ndef clear_screen(): pass\ndef show_screen(): pass\n");
mp.runPython('import sys, gc\nsys.path.insert(0, "/")\nimport casioplot');
mp.globals.set("source", readFileSync(script, "utf8"));
mp.globals.set("baresource", readFileSync(bare, "utf8"));
const timed = (code) => {
  const start = performance.now();
  mp.runPython(code);
  return performance.now() - start;
};
const runscript = 'exec(source, {"__name__": "__main__"})';
// Half a second of runs first, so that Node has compiled MicroPython's hot
// paths fully before anything is timed.
for (const start = performance.now(); performance.now() - start < 500;) mp.runPython(runscript);
// The two in turn, so that both meet the machine in the same mood. The script
// runs on a heap as empty as the calculator's: the bare loop's list of every
// call is made after it and dropped before its next run, as each collection
// during the script's compiling would otherwise mark it.
let decode = Infinity, loop = Infinity;
for (let i = 0; i < 12; ++i) {
  mp.runPython("gc.collect()");
  decode = Math.min(decode, timed(runscript));
  mp.runPython("B = {}\nexec(baresource, B)");
  loop = Math.min(loop, timed('B["bare"]()'));
  mp.runPython("B = None");
}
process.stdout.write(`${decode} ${loop}\n`);
