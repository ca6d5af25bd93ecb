// The ticked items of an item array, which the configuration hands back when it closes.
#pragma once
#include "apps/ApplicationItem.h"

// The number of items whose selected flag is non-zero.
int CountSelected(const ApplicationItem* items, int count);

// A new array, owned by the caller (delete[]), with a copy of each selected item in array
// order: CountSelected items. The copies own their texts, so they outlive the array.
ApplicationItem* CopySelected(const ApplicationItem* items, int count);
