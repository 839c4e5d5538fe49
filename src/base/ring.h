#pragma once
// A bounded ring: the storage is taken once at construction and never grows, so a long session
// costs no more memory than a short one. When full, each new item replaces the oldest.

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace motiview {

template <class T> class Ring {
  public:
    explicit Ring(std::size_t capacity) : items_(capacity > 0 ? capacity : 1) {}

    void push(T item) {
        items_[(first_ + size_) % items_.size()] = std::move(item);
        if (size_ < items_.size()) {
            ++size_;
        } else {
            first_ = (first_ + 1) % items_.size();
        }
        ++total_;
    }

    // Index 0 is the oldest item kept.
    [[nodiscard]] const T& operator[](std::size_t i) const {
        return items_[(first_ + i) % items_.size()];
    }
    [[nodiscard]] const T& back() const { return (*this)[size_ - 1]; }

    [[nodiscard]] std::size_t size() const { return size_; }
    [[nodiscard]] bool empty() const { return size_ == 0; }
    [[nodiscard]] std::size_t capacity() const { return items_.size(); }

    // Items pushed since construction, a clear included; the oldest kept item is number
    // total() - size(), so an observer can tell how many fell off the front.
    [[nodiscard]] std::uint64_t total() const { return total_; }
    [[nodiscard]] std::uint64_t first_number() const { return total_ - size_; }

    // Forgets the items; the storage stays and the numbering goes on.
    void clear() {
        first_ = 0;
        size_ = 0;
        for (T& item : items_) {
            item = T{};
        }
    }

  private:
    std::vector<T> items_;
    std::size_t first_ = 0;
    std::size_t size_ = 0;
    std::uint64_t total_ = 0;
};

} // namespace motiview
