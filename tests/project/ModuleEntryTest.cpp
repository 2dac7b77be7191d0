#include <gtest/gtest.h>

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

TEST(ModuleEntry, RepeatedAttachKeepsOneLinkInTheChain)
{
    ASSERT_EQ(KtrglAttach(), 1);
    ASSERT_EQ(KtrglAttach(), 1);
    ASSERT_EQ(CDynLinkLibrary::Chain().size(), 1u);
    EXPECT_EQ(CDynLinkLibrary::Chain()[0]->Name(), "KTRGL.DLL");
    ASSERT_EQ(KtrglDetach(), 1);
    EXPECT_TRUE(CDynLinkLibrary::Chain().empty());
}
