#pragma once
// Values inside record buffers lie at any byte offset: they are read and written by copying their bytes.

#include <cstdint>
#include <cstring>
#include <type_traits>

namespace ui {

template <typename T>
T ReadBufferBytes(const uint8_t* buffer) {
    static_assert(std::is_trivially_copyable_v<T>);
    T value;
    std::memcpy(&value, buffer, sizeof(T));
    return value;
}

template <typename T>
void WriteBufferBytes(uint8_t* buffer, const T& value) {
    static_assert(std::is_trivially_copyable_v<T>);
    std::memcpy(buffer, &value, sizeof(T));
}

} // namespace ui
