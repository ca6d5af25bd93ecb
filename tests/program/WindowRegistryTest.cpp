// The window registry: lookups, removal that fills the hole with the last entry, duplicates,
// growth.
#include <gtest/gtest.h>

#include "ui/WindowRegistry.h"

namespace {

HWND Handle(int n) { return reinterpret_cast<HWND>(static_cast<intptr_t>(n)); }
void* Object(int n) { return reinterpret_cast<void*>(static_cast<intptr_t>(n * 100)); }

}  // namespace

TEST(WindowRegistry, GrowsFindsFillsHolesWithTheLastEntryAndTakesDuplicatesInOrder) {
    WindowRegistry registry(2);
    EXPECT_EQ(registry.find(Handle(1)), nullptr);
    EXPECT_EQ(registry.remove(Handle(1)), -1);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(registry.add(Handle(i), Object(i)), i);  // past its capacity
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(registry.find(Handle(i)), Object(i)) << i;

    EXPECT_EQ(registry.remove(Handle(1)), 39);  // the last entry moves into the hole
    EXPECT_EQ(registry.find(Handle(1)), nullptr);
    EXPECT_EQ(registry.remove(Handle(1)), -1);
    for (int i = 2; i <= 40; ++i) EXPECT_EQ(registry.find(Handle(i)), Object(i)) << i;
    EXPECT_EQ(registry.remove(Handle(39)), 38);  // the last entry only shortens the table
    EXPECT_EQ(registry.count(), 38);

    registry.add(Handle(7), Object(70));  // a second entry for window 7: found and removed second
    EXPECT_EQ(registry.find(Handle(7)), Object(7));
    EXPECT_EQ(registry.remove(Handle(7)), 38);
    EXPECT_EQ(registry.find(Handle(7)), Object(70));
}
