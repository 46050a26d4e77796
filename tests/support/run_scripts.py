# SPDX-License-Identifier: GPL-3.0-or-later
# Runs scripts against the stand-in casioplot, each in a namespace of its
# own, and writes per script "script PATH", the calls, then "end" (or
# "error ..." when the script raised). The same file runs under CPython
# (python3 run_scripts.py A.py B.py) and under MicroPython (run_scripts.mjs).
import sys
import casioplot


def runall(paths, out):
    for path in paths:
        out.write("script %s\n" % path)
        casioplot.calls = []
        f = open(path)
        source = f.read()
        f.close()
        try:
            exec(source, {"__name__": "__main__"})
        except Exception as e:
            casioplot.calls.append("error %s %s" % (type(e).__name__, e))
        out.write("\n".join(casioplot.calls))
        out.write("\nend\n")


if __name__ == "__main__":
    runall(sys.argv[1:], sys.stdout)
