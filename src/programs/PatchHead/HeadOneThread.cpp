// The few thread-library calls the C++ runtime makes, for the head, which runs on one
// thread: the exception support asks for a once-flag and a lock, and the full thread
// library that answers them is 27 KB of every patch executable. The exception state the
// C++ ABI keeps per thread is one plain record here: the library's own keeps it in
// emulated thread-local storage (1.5 KB on 32-bit Windows).
#include <pthread.h>

namespace {

// The C++ ABI's __cxa_eh_globals: the caught exceptions' stack and the count of those
// thrown and not yet caught.
struct ExceptionGlobals {
    void* caughtExceptions;
    unsigned int uncaughtExceptions;
} exceptionGlobals;

}  // namespace

extern "C" {

void* __cxa_get_globals() noexcept { return &exceptionGlobals; }
void* __cxa_get_globals_fast() noexcept { return &exceptionGlobals; }

int pthread_once(pthread_once_t* once, void (*run)(void)) {
    if (*once == 0) {
        *once = 1;
        run();
    }
    return 0;
}

// One thread never waits for itself.
int pthread_mutex_init(pthread_mutex_t*, const pthread_mutexattr_t*) { return 0; }
int pthread_mutex_lock(pthread_mutex_t*) { return 0; }
int pthread_mutex_unlock(pthread_mutex_t*) { return 0; }
int pthread_mutex_destroy(pthread_mutex_t*) { return 0; }

}  // extern "C"
