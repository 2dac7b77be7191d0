#include "settings/OptionIO.h"

#include <climits>
#include <cmath>
#include <cstdio>

#include "platform/Profile.h"

int ReadOptionInt(const char* key, int defaultValue)
{
    return platform::Profile::GetInt(kOptionSection, key, defaultValue);
}

unsigned ReadOptionUInt(const char* key, unsigned defaultValue)
{
    return platform::Profile::GetUInt(kOptionSection, key, defaultValue);
}

void WriteOptionInt(const char* key, int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    platform::Profile::WriteString(kOptionSection, key, text);
}

int TruncateOption(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(value);   // toward zero
}
