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
template <class T>
class HandleTable {
public:
    explicit HandleTable(unsigned tag) : tag_(tag) {}

    void* add(std::shared_ptr<T> object) {
        auto value = (static_cast<std::uint64_t>(tag_) << 40) | next_handle_serial();
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
