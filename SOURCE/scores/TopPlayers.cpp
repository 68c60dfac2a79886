// The top-players table.
#include "window/Form1.h"

void Form1::InsertTopPlayer()
{
    // The table and its file are not kept yet.
}
