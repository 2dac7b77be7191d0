// One key of section "OPTION": its name in the settings file, what kind of
// value it is, its default and where the settings object keeps it. Each
// settings class lists its keys in a static table in file order (the order
// they are read and written); the pages that edit a group iterate the same
// table, so a key is named in exactly one place.
#pragma once
#include <cstddef>

enum class OptionKind {
    Show,    // 1 shows, anything else hides
    Red,     // colour triple, each 0..255 (not enforced)
    Green,
    Blue,
    Number,  // whole number: sizes, scales, steps, subdivisions
    Real     // read as unsigned, held as double, written as "%d" of the truncated value
};

template <class Page>
struct OptionKey {
    const char* name;
    OptionKind kind;
    int defaultValue;
    int Page::*value;     // member for every kind but Real
    double Page::*real;   // member for Real keys
};

// The section every display setting lives in.
inline constexpr const char* kOptionSection = "OPTION";
