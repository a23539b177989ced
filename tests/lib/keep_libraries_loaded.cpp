// keep_libraries_loaded.cpp: preloaded into rendered tests and the game in the sanitizer build.
// Mesa unloads its driver when the window closes, before LeakSanitizer looks at the heap, so the
// driver's own leaks would be reported from an unknown module and could not be told apart from
// ours. Keeping every library loaded lets mesa_leaks.supp name the driver.
extern "C" int dlclose(void *) {
    return 0;
}
