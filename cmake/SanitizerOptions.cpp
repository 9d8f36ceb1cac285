// Linked into every program of a sanitizer build: the runtime options it starts with. Options in
// ASAN_OPTIONS are read after these and win; a program adds its own by defining
// DREV_MORE_SANITIZER_OPTIONS (":name=value...").
//
// intercept_tls_get_addr=0: up to GCC 13 and LLVM 16, the runtime's __tls_get_addr interceptor
// takes a block of dynamic thread-local storage whose address ends in a certain offset for the
// header of a glibc older than 2.25, and records a range read from before the block. The leak
// check at exit then scans that range and dies ("Tracer caught signal 11", "LeakSanitizer has
// encountered a fatal error") in a run that leaked nothing. Mesa's drivers, loaded at run time,
// allocate such blocks, so any program that makes a GL context could fail this way now and then.
// Without the interceptor the leak check does not scan dynamic thread-local storage.
#ifndef DREV_MORE_SANITIZER_OPTIONS
#define DREV_MORE_SANITIZER_OPTIONS ""
#endif

extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0" DREV_MORE_SANITIZER_OPTIONS;
}
