#pragma once

// Memory for the large arrays of the model. A fresh 4 KiB page costs a fault
// of its own the first time it is written, and a plan of a million metres
// spans thousands of them: large blocks are mapped on their own and offered
// to the system as huge pages, one fault per 2 MiB. Where the system has no
// huge pages they are ordinary pages.

#include <cstddef>
#include <new>
#include <type_traits>
#include <utility>

namespace scenario {

// Blocks from this size on are mapped on their own. Under AddressSanitizer
// every block comes from the ordinary heap, where a read or write past its
// end is caught.
#if defined(__SANITIZE_ADDRESS__)
#define SCENARIO_SANITIZZATO 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SCENARIO_SANITIZZATO 1
#endif
#endif
#ifdef SCENARIO_SANITIZZATO
constexpr bool pagine_grandi_in_uso = false;
#else
constexpr bool pagine_grandi_in_uso = true;
#endif
constexpr size_t soglia_pagine_grandi = size_t{512} << 10;

// A block of at least `byte` bytes (at least soglia_pagine_grandi), aligned
// to a huge page (on Windows, where the address can be had); throws
// std::bad_alloc.
void* riserva_pagine_grandi(size_t byte);
void libera_pagine_grandi(void* blocco, size_t byte);

// std::allocator for small blocks, riserva_pagine_grandi for large ones.
template <typename T>
struct allocatore_pagine_grandi {
  using value_type = T;
  static_assert(alignof(T) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);

  allocatore_pagine_grandi() = default;
  template <typename U>
  allocatore_pagine_grandi(const allocatore_pagine_grandi<U>&) {}

  T* allocate(size_t n) {
    if (n > static_cast<size_t>(-1) / sizeof(T)) throw std::bad_alloc();
    size_t byte = n * sizeof(T);
    if (grande(byte)) return static_cast<T*>(riserva_pagine_grandi(byte));
    return static_cast<T*>(::operator new(byte));
  }

  void deallocate(T* p, size_t n) {
    size_t byte = n * sizeof(T);
    if (grande(byte)) return libera_pagine_grandi(p, byte);
    ::operator delete(p);
  }

  // An element made without a value is left as it is, not zeroed: the plan
  // appends slots it sets at once, and zeroing them first would only write
  // every byte twice.
  template <typename U>
  void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... A>
  void construct(U* p, A&&... a) {
    ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
  }

  static bool grande(size_t byte) { return pagine_grandi_in_uso && byte >= soglia_pagine_grandi; }

  template <typename U>
  bool operator==(const allocatore_pagine_grandi<U>&) const {
    return true;
  }
};

}  // namespace scenario
