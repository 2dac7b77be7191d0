#include "project/ModuleEntry.h"

#include "platform/Trace.h"
#include "project/DynLinkLibrary.h"
#include "project/ExtensionModule.h"

namespace {

// The link that keeps the library in the host's search chain. Made on the
// first attach and kept until the process ends.
CDynLinkLibrary* g_link = nullptr;

// Stands in for the module handle of a statically linked library.
char g_moduleHandle;

} // namespace

int KtrglModuleEntry(void* module, unsigned reason)
{
    if (reason == DLL_PROCESS_ATTACH) {
        platform::Trace("KTRGL.DLL Initializing!\n");
        if (!KtrglModule().Initialize(module))
            return 0;
        if (!g_link)
            g_link = new CDynLinkLibrary(KtrglModule());
        return 1;
    }
    if (reason == DLL_PROCESS_DETACH) {
        platform::Trace("KTRGL.DLL Terminating!\n");
        KtrglModule().Terminate();
        return 1;
    }
    return 1;
}

int KtrglAttach()
{
    return KtrglModuleEntry(&g_moduleHandle, DLL_PROCESS_ATTACH);
}

int KtrglDetach()
{
    return KtrglModuleEntry(&g_moduleHandle, DLL_PROCESS_DETACH);
}
