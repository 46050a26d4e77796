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
mp.runPython('import sys\nsys.path.insert(0, "/")\nimport casioplot');
const fastest = (run) => {
  let best = Infinity;
  for (let i = 0; i < 12; ++i) {
    const start = performance.now();
    run();
    best = Math.min(best, performance.now() - start);
  }
  return best;
};
// The script first, on a heap as empty as the calculator's: once the bare
// loop's list of every call is loaded, each collection the script's compiling
// starts has to mark it, a cost that is the baseline's, not the script's.
// Half a second of runs first, so that Node has compiled MicroPython's hot
// paths fully before anything is timed: small scripts would otherwise be
// timed on the first, slower compile, and their bare loops after it on the second.
mp.globals.set("source", readFileSync(script, "utf8"));
const runscript = () => mp.runPython('exec(source, {"__name__": "__main__"})');
for (const start = performance.now(); performance.now() - start < 500;) runscript();
const decode = fastest(runscript);
mp.runPython(readFileSync(bare, "utf8"));
const loop = fastest(() => mp.runPython("bare()"));
process.stdout.write(`${decode} ${loop}\n`);
