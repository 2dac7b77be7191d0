// Numbers typed into dialog fields, read in the C locale: surrounding
// blanks are allowed, anything else after the number is not. A field that
// does not hold a number leaves the value untouched.
#pragma once
#include <QString>

class DialogNumber {
public:
    // Optional sign and decimal digits, within the range of int.
    static bool ParseInt(const QString& text, int* value);
    // Anything strtod reads as a whole ("2.5", "-1e3").
    static bool ParseReal(const QString& text, double* value);
};
