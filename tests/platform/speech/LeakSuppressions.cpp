// libspeechd keeps a few bytes it copied with glib when a connection attempt fails. glib is built
// without frame pointers, so the leak's stack ends in glib and is matched by the library's name;
// nothing of ours allocates through glib.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libglib-2.0.so\n";
}
