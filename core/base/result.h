#pragma once

// Result<T, E>: a value or an expected failure, for parsing, I/O and HTTP.
// GCC 12 ships no std::expected, so this is the small subset we use:
//   Result<int, ParseError> r = fail(ParseError{…});
//   if (!r) log(r.error().message);

#include <cassert>
#include <type_traits>
#include <utility>
#include <variant>

namespace tallyra {

template <class E> struct Failure
{
    E error;
};

template <class E> [[nodiscard]] Failure<std::decay_t<E>> fail(E&& error)
{
    return Failure<std::decay_t<E>>{std::forward<E>(error)};
}

template <class T, class E> class Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    template <class F, class = std::enable_if_t<std::is_convertible_v<F, E>>>
    Result(Failure<F> failure) : m_state(std::in_place_index<1>, std::move(failure.error))
    {
    }

    [[nodiscard]] bool hasValue() const noexcept { return m_state.index() == 0; }
    explicit operator bool() const noexcept { return hasValue(); }

    [[nodiscard]] T& value() &
    {
        assert(hasValue());
        return std::get<0>(m_state);
    }
    [[nodiscard]] const T& value() const&
    {
        assert(hasValue());
        return std::get<0>(m_state);
    }
    [[nodiscard]] T&& value() &&
    {
        assert(hasValue());
        return std::get<0>(std::move(m_state));
    }
    [[nodiscard]] const E& error() const
    {
        assert(!hasValue());
        return std::get<1>(m_state);
    }
    [[nodiscard]] T valueOr(T fallback) const { return hasValue() ? value() : fallback; }

    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    std::variant<T, E> m_state;
};

// Result of an operation that yields nothing on success.
template <class E> class Result<void, E>
{
public:
    Result() = default;
    template <class F, class = std::enable_if_t<std::is_convertible_v<F, E>>>
    Result(Failure<F> failure) : m_error(std::move(failure.error)), m_failed(true)
    {
    }

    [[nodiscard]] bool hasValue() const noexcept { return !m_failed; }
    explicit operator bool() const noexcept { return hasValue(); }
    [[nodiscard]] const E& error() const
    {
        assert(m_failed);
        return m_error;
    }

private:
    E m_error{};
    bool m_failed = false;
};

} // namespace tallyra
