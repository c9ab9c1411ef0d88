// Leak-checker suppressions for the font library: fontconfig keeps its
// parsed configuration, and Cairo (1.16) a duplicated fontconfig pattern per
// toy font face, for the life of the process. Neither is ours to free; this
// layer's own fontconfig objects are held by RAII owners.
#if defined(__SANITIZE_ADDRESS__)

extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    // Without frame pointers in fontconfig the report ends in the library
    // itself, so the library is named rather than the calls.
    return "leak:libfontconfig.so\n";
}

#endif
