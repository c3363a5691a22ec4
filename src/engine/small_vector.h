#pragma once
// A vector of trivially copyable elements that keeps its first N elements inside the
// object, so that an ordinary expression is checked, compiled and evaluated without a
// single heap allocation, while texts of any length still fit.
#include <algorithm>
#include <cstddef>
#include <memory>
#include <type_traits>

namespace qalcor::engine {

template <typename T, std::size_t N>
class SmallVector {
    static_assert(std::is_trivially_copyable_v<T>);

  public:
    SmallVector() = default;
    SmallVector(const SmallVector&) = delete;
    SmallVector& operator=(const SmallVector&) = delete;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* data() { return data_; }
    const T* data() const { return data_; }
    T* begin() { return data_; }
    T* end() { return data_ + size_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + size_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }
    T& back() { return data_[size_ - 1]; }
    const T& back() const { return data_[size_ - 1]; }
    const T& front() const { return data_[0]; }

    void clear() { size_ = 0; }
    void pop_back() { --size_; }
    void push_back(const T& value) {
        if (size_ == capacity_) grow(capacity_ * 2);
        data_[size_++] = value;
    }
    // Makes room for n elements; their values are unspecified.
    void resize(std::size_t n) {
        if (n > capacity_) grow(std::max(n, capacity_ * 2));
        size_ = n;
    }
    void assign(const T* first, std::size_t n) {
        resize(n);
        std::copy(first, first + n, data_);
    }

  private:
    void grow(std::size_t capacity) {
        auto bigger = std::make_unique_for_overwrite<T[]>(capacity);
        std::copy(data_, data_ + size_, bigger.get());
        heap_ = std::move(bigger);
        data_ = heap_.get();
        capacity_ = capacity;
    }

    T inline_[N];
    std::unique_ptr<T[]> heap_;
    T* data_ = inline_;
    std::size_t size_ = 0;
    std::size_t capacity_ = N;
};

}  // namespace qalcor::engine
