#include "config/SelectedItems.h"

#include <algorithm>

int CountSelected(const ApplicationItem* items, int count) {
    if (!items) return 0;
    return static_cast<int>(
        std::count_if(items, items + count, [](const ApplicationItem& item) { return item.selected != 0; }));
}

ApplicationItem* CopySelected(const ApplicationItem* items, int count) {
    auto* selected = new ApplicationItem[CountSelected(items, count)];
    if (items)
        std::copy_if(items, items + count, selected, [](const ApplicationItem& item) { return item.selected != 0; });
    return selected;
}
