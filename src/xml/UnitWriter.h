#pragma once

#include <cstddef>

// Where a conversion puts its output: a target buffer of fixed capacity, or nowhere at all
// when the caller only wants the count. Characters are written whole or not at all, so a
// target that is too small ends at a character boundary and is never overrun.
template <class Unit>
class UnitWriter {
public:
    // target == nullptr only counts; capacity is then ignored.
    UnitWriter(Unit* target, std::size_t capacity)
        : target_(target), capacity_(target ? capacity : 0)
    {
    }

    bool counting() const { return target_ == nullptr; }
    // A character didn't fit; everything after it is dropped.
    bool full() const { return full_; }
    std::size_t count() const { return count_; }
    // Units that still fit (meaningless when counting).
    std::size_t room() const { return capacity_ - count_; }
    Unit* cursor() const { return target_ ? target_ + count_ : nullptr; }

    // For callers that wrote straight at cursor() (at most room() units).
    void advance(std::size_t units) { count_ += units; }
    void markFull() { full_ = true; }

    bool put(Unit unit)
    {
        if (!reserve(1)) return false;
        if (target_) target_[count_] = unit;
        ++count_;
        return true;
    }

    bool put(Unit first, Unit second)
    {
        if (!reserve(2)) return false;
        if (target_) {
            target_[count_] = first;
            target_[count_ + 1] = second;
        }
        count_ += 2;
        return true;
    }

    bool put(const Unit* units, std::size_t n)
    {
        if (!reserve(n)) return false;
        if (target_)
            for (std::size_t i = 0; i < n; ++i) target_[count_ + i] = units[i];
        count_ += n;
        return true;
    }

private:
    bool reserve(std::size_t n)
    {
        if (full_) return false;
        if (target_ && n > capacity_ - count_) {
            full_ = true;
            return false;
        }
        return true;
    }

    Unit* target_;
    std::size_t capacity_;
    std::size_t count_ = 0;
    bool full_ = false;
};
