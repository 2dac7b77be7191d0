// The link that puts an extension module into the host's search chain: while
// a link exists and its module is initialised, the host finds the module's
// resources and classes as if they were its own. Links are created once per
// module and live until the process ends.
#pragma once
#include <string>
#include <vector>

#include "project/ExtensionModule.h"

class CDynLinkLibrary {
public:
    explicit CDynLinkLibrary(CExtensionModule& module);
    ~CDynLinkLibrary();
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    CExtensionModule& Module() const { return m_module; }

    // The host's lookups across every linked, initialised module, most
    // recently linked first. nullptr when nothing matches.
    static const CExtensionModule::Resource* FindResource(const std::string& kind, int id);
    static const CExtensionModule::ClassEntry* FindClass(const std::string& className);
    // Every resource of a kind that the chain offers.
    static std::vector<CExtensionModule::Resource> ResourcesOfKind(const std::string& kind);
    // Modules currently in the chain (initialised ones only).
    static std::vector<const CExtensionModule*> Chain();

private:
    CExtensionModule& m_module;
};
