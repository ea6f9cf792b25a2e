#ifndef MAYA_MHOSTSMALLARRAY_H
#define MAYA_MHOSTSMALLARRAY_H

#include <algorithm>
#include <cstddef>
#include <memory>
#include <utility>

// A short list kept in place up to `Inline` values, on the heap beyond: the stand-in's plugs are
// one or two attribute steps, and an export makes millions of them.
template <typename T, std::size_t Inline>
class MHostSmallArray {
public:
    MHostSmallArray() = default;
    MHostSmallArray(const MHostSmallArray& other) { copyFrom(other); }
    MHostSmallArray(MHostSmallArray&& other) noexcept { takeFrom(other); }
    MHostSmallArray& operator=(const MHostSmallArray& other) {
        if (this != &other) copyFrom(other);
        return *this;
    }
    MHostSmallArray& operator=(MHostSmallArray&& other) noexcept {
        if (this != &other) takeFrom(other);
        return *this;
    }
    ~MHostSmallArray() = default;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    T* begin() { return data(); }
    T* end() { return data() + size_; }
    const T* begin() const { return data(); }
    const T* end() const { return data() + size_; }
    T& operator[](std::size_t i) { return data()[i]; }
    const T& operator[](std::size_t i) const { return data()[i]; }
    T& front() { return data()[0]; }
    const T& front() const { return data()[0]; }
    T& back() { return data()[size_ - 1]; }
    const T& back() const { return data()[size_ - 1]; }

    template <typename... Arguments>
    void emplace_back(Arguments&&... arguments) {
        if (size_ == capacity_) grow();
        data()[size_++] = T(std::forward<Arguments>(arguments)...);
    }
    void pop_back() { --size_; }

    bool operator==(const MHostSmallArray& other) const { return std::equal(begin(), end(), other.begin(), other.end()); }

private:
    T* data() { return heap_ ? heap_.get() : inPlace_; }
    const T* data() const { return heap_ ? heap_.get() : inPlace_; }

    void grow() {
        std::unique_ptr<T[]> bigger(new T[capacity_ * 2]);
        std::copy(begin(), end(), bigger.get());
        heap_ = std::move(bigger);
        capacity_ *= 2;
    }
    void copyFrom(const MHostSmallArray& other) {
        if (other.size_ > capacity_) {
            heap_.reset(new T[other.size_]);
            capacity_ = other.size_;
        }
        std::copy(other.begin(), other.end(), data());
        size_ = other.size_;
    }
    void takeFrom(MHostSmallArray& other) {
        if (other.heap_) {
            heap_ = std::move(other.heap_);
            capacity_ = other.capacity_;
        } else {
            heap_.reset();
            capacity_ = Inline;
            std::copy(other.begin(), other.end(), inPlace_);
        }
        size_ = other.size_;
        other.size_ = 0;
        other.capacity_ = Inline;
    }

    T inPlace_[Inline];
    std::unique_ptr<T[]> heap_;
    std::size_t size_ = 0;
    std::size_t capacity_ = Inline;
};

#endif
