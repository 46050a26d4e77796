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
const source = readFileSync(script, "utf8");
mp.runPython(readFileSync(bare, "utf8"));
const fastest = (run) => {
  let best = Infinity;
  for (let i = 0; i < 12; ++i) {
    const start = performance.now();
    run();
    best = Math.min(best, performance.now() - start);
  }
  return best;
};
mp.globals.set("source", source);
const decode = fastest(() => mp.runPython('exec(source, {"__name__": "__main__"})'));
const loop = fastest(() => mp.runPython("bare()"));
process.stdout.write(`${decode} ${loop}\n`);
