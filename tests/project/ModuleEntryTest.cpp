// The library attached for the program's run: its trace lines, one link in
// the chain however often it is attached, and a refused attach.
#include <gtest/gtest.h>

#include <string>

#include "platform/Trace.h"
#include "project/DynLinkLibrary.h"
#include "project/ModuleEntry.h"

TEST(ModuleEntry, AttachAndDetachTraceAndKeepOneLinkInTheChain)
{
    platform::TraceRecorder trace;
    ASSERT_EQ(KtrglAttach(), 1);
    EXPECT_EQ(trace.Text(), "KTRGL.DLL Initializing!\n");
    ASSERT_EQ(KtrglAttach(), 1);
    ASSERT_EQ(CDynLinkLibrary::Chain().size(), 1u);
    EXPECT_EQ(CDynLinkLibrary::Chain()[0]->Name(), "KTRGL.DLL");
    EXPECT_TRUE(KtrglModule().IsInitialized());
    ASSERT_EQ(KtrglDetach(), 1);
    EXPECT_TRUE(CDynLinkLibrary::Chain().empty());
    EXPECT_FALSE(KtrglModule().IsInitialized());
    const std::string last = "KTRGL.DLL Terminating!\n";
    EXPECT_EQ(trace.Text().substr(trace.Text().size() - last.size()), last) << trace.Text();
    // Without a module handle the attach fails and nothing is chained.
    EXPECT_EQ(KtrglModuleEntry(nullptr, DLL_PROCESS_ATTACH), 0);
    EXPECT_FALSE(KtrglModule().IsInitialized());
    EXPECT_TRUE(CDynLinkLibrary::Chain().empty());
}
