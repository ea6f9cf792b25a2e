#ifndef MAYAHOST_NUMBERLIST_H
#define MAYAHOST_NUMBERLIST_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <memory>

namespace mayahost {

// The numbers of a plug's value. Most plugs of a level hold one (a translation's X, a visibility),
// so one number is kept in place and only longer lists take memory of their own.
class NumberList {
public:
    NumberList() = default;
    NumberList(std::initializer_list<double> values) { assign(values.begin(), values.end()); }
    NumberList(const NumberList& other) { assign(other.begin(), other.end()); }
    NumberList(NumberList&& other) noexcept { take(other); }
    NumberList& operator=(const NumberList& other) {
        if (this != &other) assign(other.begin(), other.end());
        return *this;
    }
    NumberList& operator=(NumberList&& other) noexcept {
        if (this != &other) {
            release();
            take(other);
        }
        return *this;
    }
    NumberList& operator=(std::initializer_list<double> values) {
        assign(values.begin(), values.end());
        return *this;
    }
    ~NumberList() { release(); }

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    double* data() { return onHeap() ? heap_ : &one_; }
    const double* data() const { return onHeap() ? heap_ : &one_; }
    double& operator[](std::size_t i) { return data()[i]; }
    double operator[](std::size_t i) const { return data()[i]; }
    double* begin() { return data(); }
    double* end() { return data() + size_; }
    const double* begin() const { return data(); }
    const double* end() const { return data() + size_; }

    void reserve(std::size_t count) {
        if (count > capacity()) moveTo(count);
    }
    void push_back(double value) {
        if (size_ == capacity()) moveTo(std::max<std::size_t>(2, std::size_t(size_) * 2));
        data()[size_++] = value;
    }
    // Empties the list and gives back its memory.
    void clear() {
        release();
        size_ = 0;
    }

private:
    bool onHeap() const { return capacity_ > 1; }
    std::size_t capacity() const { return capacity_ == 0 ? 1 : capacity_; }

    void assign(const double* first, const double* last) {
        const std::size_t count = std::size_t(last - first);
        if (count > capacity()) {
            release();
            size_ = 0;  // nothing to keep
            moveTo(count);
        }
        std::copy(first, last, data());
        size_ = static_cast<std::uint32_t>(count);
    }
    void moveTo(std::size_t count) {
        std::unique_ptr<double[]> bigger(new double[count]);  // uninitialised, as a vector's reserve
        std::copy(begin(), end(), bigger.get());
        release();
        heap_ = bigger.release();
        capacity_ = static_cast<std::uint32_t>(count);
    }
    void release() {
        if (onHeap()) delete[] heap_;
        capacity_ = 0;
        one_ = 0.0;
    }
    void take(NumberList& other) {
        size_ = other.size_;
        capacity_ = other.capacity_;
        if (other.onHeap()) {
            heap_ = other.heap_;
        } else {
            one_ = other.one_;
        }
        other.capacity_ = 0;
        other.size_ = 0;
    }

    union {
        double one_ = 0.0;
        double* heap_;
    };
    std::uint32_t size_ = 0;
    std::uint32_t capacity_ = 0;  // 0 and 1: the number in place
};

}  // namespace mayahost

#endif
