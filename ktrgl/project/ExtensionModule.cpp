#include "project/ExtensionModule.h"

#include <utility>

CExtensionModule::CExtensionModule(std::string name) : m_name(std::move(name)) {}

bool CExtensionModule::Initialize(void* module)
{
    if (!module)
        return false;
    m_module = module;
    return true;
}

void CExtensionModule::Terminate()
{
    m_module = nullptr;
}

void CExtensionModule::AddResource(const std::string& kind, int id, const std::string& name)
{
    for (Resource& r : m_resources)
        if (r.kind == kind && r.id == id) {
            r.name = name;
            return;
        }
    m_resources.push_back({kind, id, name});
}

void CExtensionModule::AddClass(const std::string& className, Factory create)
{
    for (ClassEntry& c : m_classes)
        if (c.className == className) {
            c.create = std::move(create);
            return;
        }
    m_classes.push_back({className, std::move(create)});
}

const CExtensionModule::Resource* CExtensionModule::FindResource(const std::string& kind,
                                                                 int id) const
{
    for (const Resource& r : m_resources)
        if (r.kind == kind && r.id == id)
            return &r;
    return nullptr;
}

const CExtensionModule::ClassEntry* CExtensionModule::FindClass(const std::string& className) const
{
    for (const ClassEntry& c : m_classes)
        if (c.className == className)
            return &c;
    return nullptr;
}

CExtensionModule& KtrglModule()
{
    static CExtensionModule module("KTRGL.DLL");
    return module;
}
