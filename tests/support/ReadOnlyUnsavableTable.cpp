#include "support/UnsavableTable.h"

#include "support/ReadOnlyDirectory.h"

struct UnsavableTable::Hold {
    ReadOnlyDirectory readOnly;
};

UnsavableTable::UnsavableTable(const QString& directory) : hold(new Hold{ReadOnlyDirectory(directory)}) {}

UnsavableTable::~UnsavableTable() = default;
