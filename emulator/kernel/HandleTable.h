#pragma once
#include <cstdint>
#include <map>
#include <memory>

namespace emu {

// A fresh serial for every handle the emulator ever hands out, so that a stale handle
// never names a newer object, even on another device in the same host process.
std::uint64_t next_handle_serial();

// Objects of one kind addressed by opaque handles. A handle carries its kind's tag, so a
// handle of another kind, a stale handle or garbage is refused (null), never dereferenced.
// A handle is as wide as a pointer: the tag in its top byte on a 32-bit host (the web
// build), above a 40-bit serial on a 64-bit one.
template <class T>
class HandleTable {
public:
    explicit HandleTable(unsigned tag) : tag_(tag) {}

    void* add(std::shared_ptr<T> object) {
        // A serial that wrapped round onto a handle still in use is passed over.
        std::uint64_t value;
        do value = (static_cast<std::uint64_t>(tag_) << kSerialBits) | (next_handle_serial() & kSerialMask);
        while (items_.contains(value));
        items_.emplace(value, std::move(object));
        return reinterpret_cast<void*>(static_cast<std::uintptr_t>(value));
    }

    T* get(const void* handle) const {
        auto it = items_.find(key(handle));
        return it == items_.end() ? nullptr : it->second.get();
    }

    std::shared_ptr<T> shared(const void* handle) const {
        auto it = items_.find(key(handle));
        return it == items_.end() ? nullptr : it->second;
    }

    bool remove(const void* handle) { return items_.erase(key(handle)) > 0; }
    std::size_t size() const { return items_.size(); }

    // Visits (handle, object) in creation order.
    template <class F>
    void for_each(F&& visit) const {
        for (const auto& [value, object] : items_)
            visit(reinterpret_cast<void*>(static_cast<std::uintptr_t>(value)), *object);
    }

private:
    static constexpr unsigned kSerialBits = sizeof(void*) >= 8 ? 40 : sizeof(void*) * 8 - 8;
    static constexpr std::uint64_t kSerialMask = (std::uint64_t{1} << kSerialBits) - 1;

    static std::uint64_t key(const void* handle) {
        return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(handle));
    }

    unsigned tag_;
    std::map<std::uint64_t, std::shared_ptr<T>> items_;
};

// Tags of the handle kinds; one per table.
enum HandleTag : unsigned {
    kKernelObjectTag = 0x11,
    kWindowTag = 0x22,
    kGdiObjectTag = 0x33,
    kDeviceContextTag = 0x34,
    kIconTag = 0x35,
    kRegistryKeyTag = 0x44,
    kFindTag = 0x55,
    kFileTag = 0x56,
};

}  // namespace emu
