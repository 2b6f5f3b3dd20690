// Tests of the ordered job pool: results in order whatever the threads, and a failed job stops the rest.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "maker/OrderedJobs.h"

namespace quen {
namespace {

TEST(OrderedJobs, DoneInOrderAndTheFirstFailureInOrderReachesTheCaller) {
    for (unsigned threads : {1u, 2u, 5u}) {
        for (int failAt : {-1, 0, 17, 49}) {
            std::vector<std::atomic<int>> runs(50);
            std::vector<size_t> done;
            auto work = [&](size_t i) {
                ++runs[i];
                volatile unsigned spin = 0;
                for (unsigned k = 0; k < (i * 7919) % 20000; ++k) spin = spin + k;  // uneven lengths
                if (static_cast<int>(i) == failAt || (failAt >= 0 && static_cast<int>(i) == failAt + 1))
                    throw std::runtime_error("job " + std::to_string(i));
            };
            std::string caught;
            try {
                RunOrderedJobs(runs.size(), threads, work, [&](size_t i) { done.push_back(i); });
            } catch (const std::runtime_error& e) {
                caught = e.what();
            }
            const size_t expected = failAt < 0 ? runs.size() : static_cast<size_t>(failAt);
            ASSERT_EQ(done.size(), expected) << threads << " " << failAt;
            for (size_t i = 0; i < done.size(); ++i) EXPECT_EQ(done[i], i);
            EXPECT_EQ(caught, failAt < 0 ? "" : "job " + std::to_string(failAt));
            for (auto& r : runs) EXPECT_LE(r.load(), 1);
            // Jobs after a failure do not all start: at most one per thread beyond it.
            int started = 0;
            for (auto& r : runs) started += r.load();
            if (failAt >= 0) {
                EXPECT_LE(started, failAt + 2 + static_cast<int>(threads));
            }
        }
    }
}

}  // namespace
}  // namespace quen
