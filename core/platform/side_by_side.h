// Work shared out over the machine's cores. Callers split their work into
// jobs whose results they merge in a fixed order, so the outcome never
// depends on how many jobs ran.
#pragma once

#include <cstddef>
#include <functional>
#include <utility>

namespace quintara {

// One job per core the machine reports, at least one.
unsigned CoreCount();

// jobs, or CoreCount() when jobs is 0.
unsigned JobsOrCores(unsigned jobs);

// Runs work(job) for job 0..jobs-1 and returns when all have finished; job 0
// runs on the calling thread (so it may report progress to a window), the
// others each on a thread of their own. An exception thrown by any job is
// rethrown here once all have finished (the lowest job's first).
void RunSideBySide(unsigned jobs, const std::function<void(unsigned job)>& work);

// The share [first, second) of count items that job (of jobs) takes:
// contiguous, in order, sizes differing by at most one.
inline std::pair<std::size_t, std::size_t> ShareOf(std::size_t count, unsigned job, unsigned jobs)
{
    return {count * job / jobs, count * (job + 1) / jobs};
}

}  // namespace quintara
