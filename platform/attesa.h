#pragma once

#include <functional>

// How long the game waits on the class folder before it tells the pupil
// that the file server does not answer: the wait for the lock, and time
// for the few small files of a save.
constexpr int AttesaServer = 8000;

// Runs lavoro on a thread of its own and waits at most attesaMs for it,
// while the window goes on: its clock ticks and it repaints, though keys
// and clicks wait. Returns whether it finished; what it threw is thrown
// here. A file server that stops answering can block a call for minutes:
// the thread that is left waiting then finishes alone, or ends with the
// program, which never waits for it.
bool aspettaAlPiu(std::function<void()> lavoro, int attesaMs);
