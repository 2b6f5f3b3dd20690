// The C++ library's throw helpers, the head's own: the library's build of them makes its
// error types with copy-on-write strings and drags that whole string implementation into
// the head (about 30 KB) for messages no patch run shows. Memory faults stay bad_alloc;
// every other library fault is one plain exception, which the run's edge handles like any.
#include <bits/functexcept.h>

#include <exception>
#include <new>
#include <typeinfo>

namespace {

class LibraryFault : public std::exception {
public:
    const char* what() const noexcept override { return "The patch program met an internal fault."; }
};

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_alloc(); }
// A size past what a container can hold is memory the head cannot have.
void __throw_length_error(const char*) { throw bad_alloc(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }
void __throw_logic_error(const char*) { throw LibraryFault(); }
void __throw_domain_error(const char*) { throw LibraryFault(); }
void __throw_invalid_argument(const char*) { throw LibraryFault(); }
void __throw_out_of_range(const char*) { throw LibraryFault(); }
void __throw_out_of_range_fmt(const char*, ...) { throw LibraryFault(); }
void __throw_runtime_error(const char*) { throw LibraryFault(); }
void __throw_range_error(const char*) { throw LibraryFault(); }
void __throw_overflow_error(const char*) { throw LibraryFault(); }
void __throw_underflow_error(const char*) { throw LibraryFault(); }
// Calling an empty std::function; the library's own error type would bring its file along.
void __throw_bad_function_call() { throw LibraryFault(); }

}  // namespace std
