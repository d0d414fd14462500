// Internal: not installed.
#pragma once
// A map of at most `capacity` entries (at least 1) that drops the least recently used
// entry to make room. Find and Insert mark an entry as used. Not thread-safe.
#include <cstddef>
#include <functional>
#include <list>
#include <unordered_map>
#include <utility>

namespace led::platform {

template <class Key, class Value, class Hash = std::hash<Key>>
class LruCache {
 public:
  explicit LruCache(size_t capacity) : capacity_(capacity > 0 ? capacity : 1) {}

  // The value of `key`, or nullptr; valid until the next Insert or Clear.
  Value* Find(const Key& key) {
    const auto it = index_.find(key);
    if (it == index_.end()) return nullptr;
    order_.splice(order_.begin(), order_, it->second);
    return &it->second->second;
  }

  // Stores `value` under `key` (replacing any), dropping the least recently used entry
  // when full; returns the stored value.
  Value& Insert(const Key& key, Value value) {
    if (Value* existing = Find(key)) return *existing = std::move(value);
    if (order_.size() >= capacity_) {
      index_.erase(order_.back().first);
      order_.pop_back();
    }
    order_.emplace_front(key, std::move(value));
    index_.emplace(key, order_.begin());
    return order_.front().second;
  }

  void Clear() {
    index_.clear();
    order_.clear();
  }

  size_t Size() const { return order_.size(); }
  size_t Capacity() const { return capacity_; }

 private:
  size_t capacity_;
  std::list<std::pair<Key, Value>> order_;  // most recently used first
  std::unordered_map<Key, typename std::list<std::pair<Key, Value>>::iterator, Hash> index_;
};

}  // namespace led::platform
