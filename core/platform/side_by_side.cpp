#include "core/platform/side_by_side.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace quintara {

unsigned CoreCount() { return std::max(1u, std::thread::hardware_concurrency()); }

unsigned JobsOrCores(unsigned jobs) { return jobs ? jobs : CoreCount(); }

void RunSideBySide(unsigned jobs, const std::function<void(unsigned job)>& work)
{
    jobs = std::max(1u, jobs);
    std::vector<std::exception_ptr> failed(jobs);
    const auto guarded = [&](unsigned job) {
        try {
            work(job);
        } catch (...) {
            failed[job] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(jobs - 1);
    for (unsigned j = 1; j < jobs; ++j) threads.emplace_back(guarded, j);
    guarded(0);
    for (std::thread& t : threads) t.join();
    for (const std::exception_ptr& e : failed)
        if (e) std::rethrow_exception(e);
}

}  // namespace quintara
