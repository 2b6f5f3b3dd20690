// The parts of the C start-up the head does without, each a few KB of every patch executable:
// - the pass over runtime pseudo-relocations: the head links with --disable-auto-import, so
//   no data import can need one;
// - thread-local storage and its callbacks: nothing in the head keeps per-thread data (a
//   use would bring the library's definitions back and fail the link as a duplicate);
// - the report of math errors on the console, which a windows program does not have.
#include <windows.h>

#include <math.h>

extern "C" {

void _pei386_runtime_relocator() {}

extern const PIMAGE_TLS_CALLBACK __dyn_tls_init_callback = nullptr;
int __mingw_initltsdrot_force = 0;
int __mingw_initltsdyn_force = 0;
int __mingw_initltssuo_force = 0;

// Zero: the C library's own handling, as after the console report.
int _matherr(struct _exception*) { return 0; }

}  // extern "C"
