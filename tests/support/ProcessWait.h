#pragma once

// How long a test waits for a real process (a JVM, javac, jdb, an X server, a script, a child
// of the test program) to start, answer or end: room enough for a machine busy with other
// work, so that a wait fails only when the process never gets there. ctest's per-test
// timeout stops a run that hangs past it.
constexpr int ProcessWait = 120000;
