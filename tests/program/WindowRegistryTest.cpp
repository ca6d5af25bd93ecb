// The window registry: lookups, removal that fills the hole with the last entry, growth.
#include <gtest/gtest.h>

#include "ui/WindowRegistry.h"

namespace {

HWND Handle(int n) { return reinterpret_cast<HWND>(static_cast<intptr_t>(n)); }
void* Object(int n) { return reinterpret_cast<void*>(static_cast<intptr_t>(n * 100)); }

}  // namespace

TEST(WindowRegistry, FindsAndRemovesEntries) {
    WindowRegistry registry(50);
    EXPECT_EQ(registry.find(Handle(1)), nullptr);
    EXPECT_EQ(registry.remove(Handle(1)), -1);
    EXPECT_EQ(registry.add(Handle(1), Object(1)), 1);
    EXPECT_EQ(registry.add(Handle(2), Object(2)), 2);
    EXPECT_EQ(registry.add(Handle(3), Object(3)), 3);
    EXPECT_EQ(registry.find(Handle(2)), Object(2));

    EXPECT_EQ(registry.remove(Handle(1)), 2);  // the last entry moves into the hole
    EXPECT_EQ(registry.find(Handle(1)), nullptr);
    EXPECT_EQ(registry.find(Handle(3)), Object(3));
    EXPECT_EQ(registry.find(Handle(2)), Object(2));
    EXPECT_EQ(registry.remove(Handle(1)), -1);
    EXPECT_EQ(registry.count(), 2);

    EXPECT_EQ(registry.remove(Handle(2)), 1);  // the last entry only shortens the table
    EXPECT_EQ(registry.remove(Handle(3)), 0);
    EXPECT_EQ(registry.find(Handle(3)), nullptr);
}

TEST(WindowRegistry, ADuplicateWindowFindsAndRemovesTheEarlierEntryFirst) {
    WindowRegistry registry(50);
    registry.add(Handle(7), Object(1));
    registry.add(Handle(7), Object(2));
    EXPECT_EQ(registry.find(Handle(7)), Object(1));
    EXPECT_EQ(registry.remove(Handle(7)), 1);
    EXPECT_EQ(registry.find(Handle(7)), Object(2));
}

TEST(WindowRegistry, GrowsPastItsCapacityKeepingEveryEntry) {
    WindowRegistry registry(2);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(registry.add(Handle(i), Object(i)), i);
    for (int i = 1; i <= 40; ++i) EXPECT_EQ(registry.find(Handle(i)), Object(i)) << i;
}
