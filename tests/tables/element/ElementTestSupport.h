// The element suite's fixture: the shared table project, the file dialog
// recorder's header, the project counts and the member selection.
#pragma once
#include "platform/FileDialog.h"
#include "support/TableTestSupport.h"

namespace elementtest {

class ElementProject : public testsupport::TableProject {
protected:
    static void SetCount(const char* key, int value)
    {
        platform::Profile::WriteString("KESTRA ", key, std::to_string(value));
    }
    static int Count(const char* key) { return platform::Profile::GetInt("KESTRA ", key, -1); }

    void Select(int from, int to)
    {
        geo->m_selMemberFrom = from;
        geo->m_selMemberTo = to;
    }
};

} // namespace elementtest
