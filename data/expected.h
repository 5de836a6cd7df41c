// A value or the reason there is none. Reports and parsers return this so that a caller sees the
// failure text at the call site instead of an exception crossing a window's event handler.
#pragma once

#include <utility>
#include <variant>

template <class E>
struct Unexpected {
    E error;
};

template <class E>
Unexpected<E> unexpected(E e) { return {std::move(e)}; }

template <class T, class E>
class Expected {
public:
    Expected(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Expected(Unexpected<E> u) : state_(std::in_place_index<1>, std::move(u.error)) {}

    bool hasValue() const { return state_.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    const E& error() const { return std::get<1>(state_); }

private:
    std::variant<T, E> state_;
};

// For operations that only succeed or fail.
struct Done {};
