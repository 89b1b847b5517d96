// The browser's side of the jobs beside play (app/background_job.h): the
// page has one thread, so its frame loop runs the jobs' slices between
// frames.
#pragma once

// Whether a job is waiting for slices, so the loop keeps running.
bool jobsWaiting();
// Runs slices of the waiting jobs, in turn, for about budgetMs
// milliseconds, and the done of each job that ends.
void runJobSlices(double budgetMs);
