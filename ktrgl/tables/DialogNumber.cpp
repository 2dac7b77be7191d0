#include "tables/DialogNumber.h"

#include <QByteArray>
#include <cerrno>
#include <climits>
#include <cstdlib>

bool DialogNumber::ParseInt(const QString& text, int* value)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return false;
    errno = 0;
    char* end = nullptr;
    const long v = std::strtol(bytes.constData(), &end, 10);
    if (*end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX)
        return false;
    *value = static_cast<int>(v);
    return true;
}

bool DialogNumber::ParseReal(const QString& text, double* value)
{
    const QByteArray bytes = text.trimmed().toLatin1();
    if (bytes.isEmpty())
        return false;
    char* end = nullptr;
    const double v = std::strtod(bytes.constData(), &end);
    if (*end != '\0')
        return false;
    *value = v;
    return true;
}
