#include "WaitCursor.h"

namespace platform {
namespace {
WaitCursor::Hook g_begin = nullptr;
WaitCursor::Hook g_end = nullptr;
int g_depth = 0;
} // namespace

WaitCursor::WaitCursor()
{
    if (g_depth++ == 0 && g_begin)
        g_begin();
}

WaitCursor::~WaitCursor()
{
    if (--g_depth == 0 && g_end)
        g_end();
}

void WaitCursor::SetHooks(Hook begin, Hook end)
{
    g_begin = begin;
    g_end = end;
}

int WaitCursor::Depth() { return g_depth; }

} // namespace platform
