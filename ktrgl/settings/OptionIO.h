// Reading, writing and defaulting a settings group from its key table. The
// settings classes and the pages over them share these, so every group is
// handled the same way: integer reads with the key's default, "%d" writes in
// table order.
#pragma once
#include <string>

#include "settings/OptionKey.h"

// Integer read of section "OPTION" (the profile-integer rule).
int ReadOptionInt(const char* key, int defaultValue);
// Unsigned read of section "OPTION", as "load scale" is read.
unsigned ReadOptionUInt(const char* key, unsigned defaultValue);
// Writes "%d" of value under key.
void WriteOptionInt(const char* key, int value);
// Whole part of a real setting, as it is written ("%d" of the truncated
// value, kept within the int range).
int TruncateOption(double value);

template <class Page, class Keys>
void ResetOptionKeys(Page& page, const Keys& keys)
{
    for (const auto& k : keys) {
        if (k.kind == OptionKind::Real)
            page.*(k.real) = static_cast<double>(k.defaultValue);
        else
            page.*(k.value) = k.defaultValue;
    }
}

template <class Page, class Keys>
void ReadOptionKeys(Page& page, const Keys& keys)
{
    for (const auto& k : keys) {
        if (k.kind == OptionKind::Real)
            page.*(k.real) = static_cast<double>(
                ReadOptionUInt(k.name, static_cast<unsigned>(k.defaultValue)));
        else
            page.*(k.value) = ReadOptionInt(k.name, k.defaultValue);
    }
}

template <class Page, class Keys>
void WriteOptionKeys(const Page& page, const Keys& keys)
{
    for (const auto& k : keys) {
        if (k.kind == OptionKind::Real)
            WriteOptionInt(k.name, TruncateOption(page.*(k.real)));
        else
            WriteOptionInt(k.name, page.*(k.value));
    }
}
