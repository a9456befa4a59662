#pragma once
// Long work that the user has to wait for (loading the word stores behind the
// splash window or the clue notice) without freezing the windows.

#include <functional>

// Runs `work` on a worker thread and returns when it has finished. Meanwhile a
// local event loop keeps every window painted and timers and queued calls
// running; user input is held back until the work is done, so nothing the user
// does can start while `work` runs. An exception thrown by `work` is thrown
// again here. Without an application object the work simply runs here.
//
// `work` must not touch widgets; what it changes must not be used by anything
// the event loop may run meanwhile.
void runInBackground(const std::function<void()>& work);
