// Load and unload entry of the library. The host calls it with the reason
// DLL_PROCESS_ATTACH when it loads the library (before it constructs any
// view, page or bar) and DLL_PROCESS_DETACH when it unloads it; other
// reasons are ignored. Attach makes the library's registered resources and
// classes visible to the host (CDynLinkLibrary); detach withdraws them.
#pragma once

enum ModuleReason : unsigned {
    DLL_PROCESS_DETACH = 0,
    DLL_PROCESS_ATTACH = 1,
    DLL_THREAD_ATTACH = 2,
    DLL_THREAD_DETACH = 3,
};

// Returns 1 for success, 0 when the library cannot be attached (the host's
// load then fails). Writes "KTRGL.DLL Initializing!\n" or
// "KTRGL.DLL Terminating!\n" to the debug trace.
int KtrglModuleEntry(void* module, unsigned reason);

// The host's start and stop: attach with the library's own handle, detach.
int KtrglAttach();
int KtrglDetach();
