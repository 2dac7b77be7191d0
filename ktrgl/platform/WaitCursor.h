// Wait cursor for the duration of a long command (RAII). The widget layer
// installs the hooks that show and restore the cursor; without them (the
// command line, the Qt-free libraries' tests) nothing is shown. Nested wait
// cursors are counted, so the cursor returns only when the outermost ends.
#pragma once

namespace platform {

class WaitCursor {
public:
    using Hook = void (*)();
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    static void SetHooks(Hook begin, Hook end);
    static int Depth();
};

} // namespace platform
