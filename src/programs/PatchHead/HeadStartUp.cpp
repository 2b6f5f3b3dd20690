// The C start-up's pass over runtime pseudo-relocations, for the head, which has none: it
// links with --disable-auto-import, so no data import can need one, and the library's pass
// is 3 KB of every patch executable.
extern "C" void _pei386_runtime_relocator() {}
