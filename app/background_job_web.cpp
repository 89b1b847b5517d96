// Jobs beside play in the browser: slices run by the frame loop between
// animation frames, no thread (a plain static host gives the page none
// that share memory).
#include <emscripten.h>

#include <algorithm>
#include <vector>

#include "app/background_job.h"
#include "app/job_slices.h"

namespace {

// A few milliseconds of work in WebAssembly, so the budget is kept.
constexpr long kStepsPerSlice = 1L << 13;

struct Job {
  JobId id;
  JobSlice slice;
  JobDone done;
};

struct Jobs {
  std::vector<Job> waiting;
  JobId lastId = 0;
};

Jobs& jobs() {
  static Jobs instance;
  return instance;
}

}  // namespace

JobId startJob(JobSlice slice, JobDone done) {
  Jobs& all = jobs();
  all.waiting.push_back({++all.lastId, std::move(slice), std::move(done)});
  return all.lastId;
}

void cancelJob(JobId id) {
  std::vector<Job>& waiting = jobs().waiting;
  waiting.erase(std::remove_if(waiting.begin(), waiting.end(),
                               [id](const Job& job) { return job.id == id; }),
                waiting.end());
}

bool jobsWaiting() { return !jobs().waiting.empty(); }

void runJobSlices(double budgetMs) {
  const double end = emscripten_get_now() + budgetMs;
  std::size_t turn = 0;
  while (jobsWaiting() && emscripten_get_now() < end) {
    std::vector<Job>& waiting = jobs().waiting;
    turn %= waiting.size();
    if (!waiting[turn].slice(kStepsPerSlice)) {
      ++turn;
      continue;
    }
    const JobDone done = std::move(waiting[turn].done);
    waiting.erase(waiting.begin() + static_cast<long>(turn));
    // A done may start or cancel jobs of its own.
    done();
  }
}
