#pragma once

#include <QString>

// A counter is a number kept only as the caption of a label.
namespace platform {

// Reads the number that the text begins with; text that does not begin with one reads as 0.
// Leading blanks, a sign, a fraction and an exponent are taken, as a lenient number parse does.
double leadingNumber(const QString& text);

// The decimal text of a number: whole numbers as plain digits ("10", never "1e+01" or "10.0").
QString decimalText(double value);

// Reads the counter, adds one in double precision and gives the text to write back.
QString counterPlusOne(const QString& caption);

} // namespace platform
