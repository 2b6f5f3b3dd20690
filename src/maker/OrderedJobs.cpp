// A small pool for independent jobs whose results must be taken in order.
#include "maker/OrderedJobs.h"

#include <algorithm>
#include <condition_variable>
#include <cstdlib>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace quen {

namespace {

class OrderedPool {
public:
    OrderedPool(std::size_t count, const std::function<void(std::size_t)>& work)
        : work_(work), finished_(count, false), errors_(count) {}

    // A worker: takes the next job until none is left or one has failed.
    void Worker() {
        for (;;) {
            std::size_t i;
            {
                std::lock_guard<std::mutex> lock(m_);
                if (next_ == finished_.size() || failed_) return;
                i = next_++;
            }
            std::exception_ptr error;
            try {
                work_(i);
            } catch (...) {
                error = std::current_exception();
            }
            std::lock_guard<std::mutex> lock(m_);
            finished_[i] = true;
            errors_[i] = error;
            failed_ = failed_ || error != nullptr;
            cv_.notify_all();
        }
    }

    // Waits for job i; false when it never started because an earlier job failed.
    bool Wait(std::size_t i, std::exception_ptr& error) {
        std::unique_lock<std::mutex> lock(m_);
        cv_.wait(lock, [&] { return finished_[i] || (failed_ && i >= next_); });
        error = errors_[i];
        return finished_[i];
    }

    void Stop() {
        std::lock_guard<std::mutex> lock(m_);
        failed_ = true;
    }

private:
    const std::function<void(std::size_t)>& work_;
    std::mutex m_;
    std::condition_variable cv_;
    std::size_t next_ = 0;
    bool failed_ = false;
    std::vector<bool> finished_;
    std::vector<std::exception_ptr> errors_;
};

}  // namespace

void RunOrderedJobs(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
                    const std::function<void(std::size_t)>& done) {
    if (threads <= 1 || count <= 1) {
        for (std::size_t i = 0; i < count; ++i) {
            work(i);
            done(i);
        }
        return;
    }
    OrderedPool pool(count, work);
    std::vector<std::jthread> workers;
    for (unsigned t = 0; t < std::min<std::size_t>(threads, count); ++t) workers.emplace_back([&pool] { pool.Worker(); });
    std::exception_ptr error;
    for (std::size_t i = 0; i < count; ++i) {
        std::exception_ptr jobError;
        if (!pool.Wait(i, jobError)) break;
        if (jobError) {
            error = jobError;
            break;
        }
        try {
            done(i);
        } catch (...) {
            error = std::current_exception();
            break;
        }
    }
    pool.Stop();
    workers.clear();  // joins: running jobs finish before the caller goes on
    if (error) std::rethrow_exception(error);
}

unsigned MakeThreads() {
    if (const char* limit = std::getenv("QUEN_MAKE_THREADS")) {
        char* end = nullptr;
        const unsigned long n = std::strtoul(limit, &end, 10);
        if (end != limit && *end == '\0' && n >= 1 && n <= 1024) return static_cast<unsigned>(n);
    }
    return std::max(1u, std::thread::hardware_concurrency());
}

}  // namespace quen
