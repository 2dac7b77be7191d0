// The library's extension-module record: what the library brings to the
// host's framework (its resources - page and dialog layouts, menus, string
// table entries - and its creatable classes), registered by the library's
// own parts and visible to the host only while the module is attached
// (between Initialize and Terminate). One record per process: KtrglModule().
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CExtensionModule {
public:
    struct Resource {
        std::string kind;   // "DIALOG", "MENU", "STRING", ...
        int id;             // resource identifier
        std::string name;   // caption, label or text
    };
    using Factory = std::function<std::shared_ptr<void>()>;
    struct ClassEntry {
        std::string className;
        Factory create;
    };

    explicit CExtensionModule(std::string name);

    // Binds the record to the module handle. A null handle fails.
    bool Initialize(void* module);
    // Unbinds it; its resources and classes leave the host's search chain.
    void Terminate();
    bool IsInitialized() const { return m_module != nullptr; }
    void* Module() const { return m_module; }
    const std::string& Name() const { return m_name; }

    // Registration by the library's parts (any time, also before attach).
    // A second registration of the same kind and id, or class name,
    // replaces the first.
    void AddResource(const std::string& kind, int id, const std::string& name);
    void AddClass(const std::string& className, Factory create);

    const std::vector<Resource>& Resources() const { return m_resources; }
    const std::vector<ClassEntry>& Classes() const { return m_classes; }
    const Resource* FindResource(const std::string& kind, int id) const;
    const ClassEntry* FindClass(const std::string& className) const;

private:
    std::string m_name;
    void* m_module = nullptr;
    std::vector<Resource> m_resources;
    std::vector<ClassEntry> m_classes;
};

// The record of this library ("KTRGL.DLL").
CExtensionModule& KtrglModule();
