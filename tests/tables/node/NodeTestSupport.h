// The node suite's fixture: the shared table project as it is.
#pragma once
#include "support/TableTestSupport.h"

namespace nodetest {

class NodeProject : public testsupport::TableProject {};

} // namespace nodetest
