// Jobs beside play on the desktop: a thread each, and a toolkit timer that
// looks for finished ones while any runs, so their results reach the game
// on its own thread.
#include "app/background_job.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <thread>
#include <vector>

#include "app/frame_pacer.h"

namespace {

// About a millisecond of work: how long a cancel may wait.
constexpr long kStepsPerSlice = 1L << 16;

struct Job {
  JobId id = 0;
  JobDone done;
  std::atomic<bool> cancelled{false};
  std::atomic<bool> finished{false};
  std::thread thread;
};

struct Jobs {
  std::vector<std::unique_ptr<Job>> running;
  JobId lastId = 0;
  bool looking = false;  // the timer is set
  // At exit every thread is stopped and joined before its job goes.
  ~Jobs() {
    for (auto& job : running) {
      job->cancelled = true;
      job->thread.join();
    }
  }
};

Jobs& jobs() {
  static Jobs instance;
  return instance;
}

void lookForFinished(int);

void keepLooking() {
  Jobs& all = jobs();
  if (all.looking || all.running.empty()) return;
  all.looking = true;
  const auto interval =
      std::chrono::ceil<std::chrono::milliseconds>(frameInterval);
  glutTimerFunc(static_cast<unsigned>(interval.count()), lookForFinished, 0);
}

void lookForFinished(int) {
  Jobs& all = jobs();
  all.looking = false;
  std::vector<JobDone> finished;
  for (auto it = all.running.begin(); it != all.running.end();) {
    Job& job = **it;
    if (!job.finished.load(std::memory_order_acquire)) {
      ++it;
      continue;
    }
    job.thread.join();
    finished.push_back(std::move(job.done));
    it = all.running.erase(it);
  }
  // A done may start or cancel jobs of its own.
  for (const JobDone& done : finished) done();
  keepLooking();
}

}  // namespace

JobId startJob(JobSlice slice, JobDone done) {
  Jobs& all = jobs();
  auto job = std::make_unique<Job>();
  job->id = ++all.lastId;
  job->done = std::move(done);
  Job* own = job.get();
  job->thread = std::thread([own, slice = std::move(slice)] {
    bool ended = false;
    while (!ended && !own->cancelled.load(std::memory_order_relaxed))
      ended = slice(kStepsPerSlice);
    own->finished.store(ended, std::memory_order_release);
  });
  all.running.push_back(std::move(job));
  keepLooking();
  return all.lastId;
}

void cancelJob(JobId id) {
  Jobs& all = jobs();
  const auto it = std::find_if(
      all.running.begin(), all.running.end(),
      [id](const std::unique_ptr<Job>& job) { return job->id == id; });
  if (it == all.running.end()) return;
  (*it)->cancelled = true;
  (*it)->thread.join();
  all.running.erase(it);
}
