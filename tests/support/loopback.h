#pragma once

#include <QString>
#include <unistd.h>

// A loopback address of this test process: 127.B.C.`host`, B.C taken from the process id. A copy
// of the suite running beside this one (another build, another worktree) has other addresses, so
// fixed ports, 502 among them, never meet its servers. The last number stays as given, for texts
// that show it ("(*.73)") and scans over a range of it.
inline QString testHost(int host)
{
    static const int pid = int(::getpid());
    return QStringLiteral("127.%1.%2.%3").arg(1 + pid / 256 % 255).arg(pid % 256).arg(host);
}
