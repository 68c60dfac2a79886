#pragma once

// Int() of a quotient: rounds towards minus infinity; C++ division truncates.
constexpr int floorDiv(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const bool inexact = quotient * denominator != numerator;
    return inexact && ((numerator < 0) != (denominator < 0)) ? quotient - 1 : quotient;
}
