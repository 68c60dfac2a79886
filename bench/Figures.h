#pragma once

#include <cstdio>
#include <optional>

// Each measurement prints its figures as "key value" lines (value "null"
// where it could not be taken); the report gathers them into the table and
// the JSON file.
inline void printFigure(const char* key, std::optional<double> value)
{
    if (value)
        std::printf("%s %.6g\n", key, *value);
    else
        std::printf("%s null\n", key);
    std::fflush(stdout);
}
