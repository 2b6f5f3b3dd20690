// The few thread-library calls the C++ runtime makes, for the head, which runs on one
// thread: the exception support asks for a once-flag, a thread-local slot and a lock,
// and the full thread library that answers them is 27 KB of every patch executable.
#include <pthread.h>

namespace {

// The runtime asks for one or two slots; more would be a build change worth failing on.
constexpr unsigned kSlots = 8;
void* slots[kSlots];
unsigned slotsUsed = 0;

}  // namespace

extern "C" {

int pthread_once(pthread_once_t* once, void (*run)(void)) {
    if (*once == 0) {
        *once = 1;
        run();
    }
    return 0;
}

int pthread_key_create(pthread_key_t* key, void (*)(void*)) {
    if (slotsUsed == kSlots) return EAGAIN;
    *key = slotsUsed++;
    return 0;
}

void* pthread_getspecific(pthread_key_t key) { return key < kSlots ? slots[key] : nullptr; }

int pthread_setspecific(pthread_key_t key, const void* value) {
    if (key >= kSlots) return EINVAL;
    slots[key] = const_cast<void*>(value);
    return 0;
}

// One thread never waits for itself.
int pthread_mutex_init(pthread_mutex_t*, const pthread_mutexattr_t*) { return 0; }
int pthread_mutex_lock(pthread_mutex_t*) { return 0; }
int pthread_mutex_unlock(pthread_mutex_t*) { return 0; }
int pthread_mutex_destroy(pthread_mutex_t*) { return 0; }

}  // extern "C"
