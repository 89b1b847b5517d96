// Work beside play: a job runs on a thread of its own on the desktop and in
// slices between frames in the browser, so no frame waits for it.
#pragma once

#include <functional>

// Does about steps steps of the job (a step is a few tens of nanoseconds)
// and says whether it is done. On the desktop it runs off the main thread:
// it may touch only what the job owns.
using JobSlice = std::function<bool(long steps)>;
// Runs on the main thread, between frames, once a slice said done.
using JobDone = std::function<void()>;
using JobId = int;

// Starts a job; its slices run until one says done, then done runs.
JobId startJob(JobSlice slice, JobDone done);
// Stops the job if it has not ended: once this returns, no slice of it runs
// and done never will. Waits for the slice under way, a millisecond or so.
// An id that has ended, or 0, changes nothing.
void cancelJob(JobId id);
