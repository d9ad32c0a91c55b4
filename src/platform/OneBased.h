#pragma once
#include <array>
#include <stdexcept>
#include <string>

// A fixed table indexed Lo..Hi (usually 1..N) whose every access is checked.
// An index outside the range is a programming fault; indexes that come from files
// or the user must be validated where they enter, never left to this check.
template <class T, int Lo, int Hi>
struct OneBased {
  static_assert(Hi >= Lo);
  static constexpr int low = Lo;
  static constexpr int high = Hi;
  std::array<T, Hi - Lo + 1> cells{};

  static OneBased Filled(const T& v) {
    OneBased table;
    table.fill(v);
    return table;
  }

  static constexpr bool contains(int i) { return i >= Lo && i <= Hi; }
  T& operator[](int i) { check(i); return cells[i - Lo]; }
  const T& operator[](int i) const { check(i); return cells[i - Lo]; }
  void fill(const T& v) { cells.fill(v); }
  auto begin() { return cells.begin(); }
  auto end() { return cells.end(); }
  auto begin() const { return cells.begin(); }
  auto end() const { return cells.end(); }
  bool operator==(const OneBased&) const = default;

 private:
  static void check(int i) {
    if (!contains(i))
      throw std::out_of_range("table index " + std::to_string(i) + " outside " + std::to_string(Lo) +
                              ".." + std::to_string(Hi));
  }
};
