// Independent jobs on several threads, their results taken in order on the calling thread.
#pragma once

#include <cstddef>
#include <functional>

namespace quen {

// Runs work(0) .. work(count - 1) on up to `threads` threads (1: all on the caller) and calls
// done(i) on the calling thread in order, as soon as job i and all before it have finished.
// When a job throws, no further job starts, the jobs running finish, and the exception of the
// first failed job in order reaches the caller after done() of the jobs before it.
void RunOrderedJobs(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work,
                    const std::function<void(std::size_t)>& done);

// The threads a make uses: QUEN_MAKE_THREADS when it holds a whole number from 1 to 1024,
// else the processor count, at least 1.
unsigned MakeThreads();

}  // namespace quen
