// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// grafipix-convert run as a user runs it, for the tests of the targets that
// are given its path.

#include <sys/resource.h>

#include <QProcess>
#include <QStringList>
#include <string>
#include <string_view>

namespace grafipix::testing {

struct Outcome {
    int status;  // -1 when killed
    std::string out, err;
    bool says(std::string_view part) const { return err.find(part) != std::string::npos; }
};

// Under an optional file-size limit, killed if it hangs.
inline Outcome convert(const QStringList& args, rlim_t filelimit = RLIM_INFINITY) {
    QProcess p;
    p.setChildProcessModifier([filelimit] {
        const rlimit limit{filelimit, filelimit};
        if (filelimit != RLIM_INFINITY) setrlimit(RLIMIT_FSIZE, &limit);
    });
    p.start(GRAFIPIX_CONVERT, args);
    if (!p.waitForFinished(60000)) p.kill(), p.waitForFinished();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

}  // namespace grafipix::testing
