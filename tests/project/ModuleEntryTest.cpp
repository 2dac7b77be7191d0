#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/Trace.h"
#include "project/DynLinkLibrary.h"
#include "project/ExtensionModule.h"
#include "project/ModuleEntry.h"

TEST(ModuleEntry, AttachAndDetachTraceAndReturn)
{
    platform::TraceRecorder trace;
    int handle = 0;
    EXPECT_EQ(KtrglModuleEntry(&handle, DLL_PROCESS_ATTACH), 1);
    EXPECT_EQ(trace.Text(), "KTRGL.DLL Initializing!\n");
    EXPECT_TRUE(KtrglModule().IsInitialized());
    EXPECT_EQ(KtrglModule().Module(), &handle);
    EXPECT_EQ(KtrglModuleEntry(&handle, DLL_THREAD_ATTACH), 1);   // ignored
    EXPECT_EQ(KtrglModuleEntry(&handle, DLL_THREAD_DETACH), 1);
    EXPECT_EQ(trace.Text(), "KTRGL.DLL Initializing!\n");
    EXPECT_EQ(KtrglModuleEntry(&handle, DLL_PROCESS_DETACH), 1);
    EXPECT_EQ(trace.Text(), "KTRGL.DLL Initializing!\nKTRGL.DLL Terminating!\n");
    EXPECT_FALSE(KtrglModule().IsInitialized());
    // Without a module handle the attach fails and nothing is chained.
    EXPECT_EQ(KtrglModuleEntry(nullptr, DLL_PROCESS_ATTACH), 0);
    EXPECT_EQ(trace.Text(), "KTRGL.DLL Initializing!\nKTRGL.DLL Terminating!\nKTRGL.DLL Initializing!\n");
    EXPECT_FALSE(KtrglModule().IsInitialized());
    EXPECT_TRUE(CDynLinkLibrary::Chain().empty());
}

TEST(ModuleEntry, RegisteredResourcesVisibleOnlyWhileAttached)
{
    KtrglModule().AddResource("DIALOG", 12047, "Node setting");
    KtrglModule().AddResource("DIALOG", 12048, "Element setting");
    KtrglModule().AddResource("STRING", 12011, "Wizard");
    KtrglModule().AddResource("DIALOG", 12047, "Node setting");   // replaces, no duplicate
    KtrglModule().AddClass("CMatrixViewer", [] { return std::make_shared<int>(7); });

    EXPECT_EQ(CDynLinkLibrary::FindResource("DIALOG", 12047), nullptr);   // not attached yet
    ASSERT_EQ(KtrglAttach(), 1);
    const auto* r = CDynLinkLibrary::FindResource("DIALOG", 12048);
    ASSERT_NE(r, nullptr);
    EXPECT_EQ(r->name, "Element setting");
    EXPECT_EQ(CDynLinkLibrary::ResourcesOfKind("DIALOG").size(), 2u);
    EXPECT_EQ(CDynLinkLibrary::FindResource("DIALOG", 99), nullptr);
    const auto* c = CDynLinkLibrary::FindClass("CMatrixViewer");
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(*std::static_pointer_cast<int>(c->create()), 7);
    ASSERT_EQ(CDynLinkLibrary::Chain().size(), 1u);
    EXPECT_EQ(CDynLinkLibrary::Chain()[0]->Name(), "KTRGL.DLL");

    // A second attach keeps one link in the chain.
    ASSERT_EQ(KtrglAttach(), 1);
    EXPECT_EQ(CDynLinkLibrary::Chain().size(), 1u);

    ASSERT_EQ(KtrglDetach(), 1);
    EXPECT_EQ(CDynLinkLibrary::FindResource("DIALOG", 12048), nullptr);
    EXPECT_EQ(CDynLinkLibrary::FindClass("CMatrixViewer"), nullptr);
    EXPECT_EQ(KtrglModule().Resources().size(), 3u);   // still registered for the next attach
}

TEST(ModuleEntry, LaterModulesComeFirstInTheChain)
{
    int handle = 0;
    CExtensionModule other("OTHER.DLL");
    other.AddResource("STRING", 1, "other text");
    ASSERT_TRUE(other.Initialize(&handle));
    KtrglModule().AddResource("STRING", 1, "ktrgl text");
    ASSERT_EQ(KtrglAttach(), 1);
    {
        CDynLinkLibrary link(other);
        EXPECT_EQ(CDynLinkLibrary::FindResource("STRING", 1)->name, "other text");
    }
    EXPECT_EQ(CDynLinkLibrary::FindResource("STRING", 1)->name, "ktrgl text");
    KtrglDetach();
}
