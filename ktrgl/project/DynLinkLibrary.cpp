#include "project/DynLinkLibrary.h"

#include <algorithm>

namespace {

std::vector<CDynLinkLibrary*>& Links()
{
    static std::vector<CDynLinkLibrary*> links;
    return links;
}

} // namespace

CDynLinkLibrary::CDynLinkLibrary(CExtensionModule& module) : m_module(module)
{
    Links().push_back(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    auto& links = Links();
    links.erase(std::remove(links.begin(), links.end(), this), links.end());
}

std::vector<const CExtensionModule*> CDynLinkLibrary::Chain()
{
    std::vector<const CExtensionModule*> chain;
    const auto& links = Links();
    for (auto it = links.rbegin(); it != links.rend(); ++it)
        if ((*it)->m_module.IsInitialized())
            chain.push_back(&(*it)->m_module);
    return chain;
}

const CExtensionModule::Resource* CDynLinkLibrary::FindResource(const std::string& kind, int id)
{
    for (const CExtensionModule* module : Chain())
        if (const auto* r = module->FindResource(kind, id))
            return r;
    return nullptr;
}

const CExtensionModule::ClassEntry* CDynLinkLibrary::FindClass(const std::string& className)
{
    for (const CExtensionModule* module : Chain())
        if (const auto* c = module->FindClass(className))
            return c;
    return nullptr;
}

std::vector<CExtensionModule::Resource> CDynLinkLibrary::ResourcesOfKind(const std::string& kind)
{
    std::vector<CExtensionModule::Resource> found;
    for (const CExtensionModule* module : Chain())
        for (const auto& r : module->Resources())
            if (r.kind == kind)
                found.push_back(r);
    return found;
}
