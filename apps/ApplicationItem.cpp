#include "apps/ApplicationItem.h"

#include <utility>

#include "app/ApplicationState.h"

bool AppendItem(ApplicationItem* list, int& count, ApplicationItem item) {
    if (!list || count >= kMaxApplicationItems) return false;
    list[count++] = std::move(item);
    return true;
}
