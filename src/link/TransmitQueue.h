// The two transmit queues of the paced link: the SendQueue of single-parameter changes and the
// BandQueue of EQ bands. Entry 0 holds the frame written last; entries 1..Pending() wait,
// oldest first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "model/Address.h"

namespace fenwave {

// One single-parameter change: the address the device knows it by and its value.
struct ParameterEntry {
  ParamAddress address = 0;
  std::int32_t value = 0;
  [[nodiscard]] bool SameTarget(const ParameterEntry& other) const {
    return address == other.address;
  }
};

// One EQ band to send: the module's band frame address and the band number. The band's values
// are read from the ParameterImage when its frame is built.
struct BandEntry {
  ParamAddress address = 0;
  int band = 0;
  [[nodiscard]] bool SameTarget(const BandEntry& other) const {
    return address == other.address && band == other.band;
  }
};

template <typename Entry, std::size_t Capacity> class TransmitQueue {
  static_assert(Capacity >= 2, "a queue needs entry 0 and at least one waiting entry");

 public:
  static constexpr std::size_t kMaxPending = Capacity - 1;

  [[nodiscard]] std::size_t Pending() const { return m_Pending; }
  [[nodiscard]] const Entry& Last() const { return m_Entries[0]; }
  // The entry at `index` (0 = written last, 1.. = waiting); index must be at most Pending().
  [[nodiscard]] const Entry& At(std::size_t index) const { return m_Entries[index]; }

  void SetLast(const Entry& entry) { m_Entries[0] = entry; }
  void Clear() { m_Pending = 0; }

  // Puts the entry at the tail. A full queue first gives up one waiting entry so that the
  // newest change always stays: preferably an entry that a later one of the same target
  // supersedes (nothing is lost then), otherwise the oldest.
  void Push(const Entry& entry) {
    if (m_Pending == kMaxPending) RemoveAt(SupersededOrOldest());
    m_Entries[++m_Pending] = entry;
  }

  // Replaces the newest waiting entry when it has the same target, else pushes.
  void PushMerging(const Entry& entry) {
    if (m_Pending > 0 && m_Entries[m_Pending].SameTarget(entry)) {
      m_Entries[m_Pending] = entry;
      return;
    }
    Push(entry);
  }

  // Moves every waiting entry one place down, so that the oldest becomes entry 0.
  void Advance() {
    if (m_Pending == 0) return;
    RemoveAt(0);
  }

 private:
  [[nodiscard]] std::size_t SupersededOrOldest() const {
    for (std::size_t i = 1; i <= m_Pending; ++i) {
      for (std::size_t j = i + 1; j <= m_Pending; ++j) {
        if (m_Entries[j].SameTarget(m_Entries[i])) return i;
      }
    }
    return 1;
  }
  // Closes the gap at `index` (0..Pending()) and drops one waiting entry.
  void RemoveAt(std::size_t index) {
    for (std::size_t i = index; i < m_Pending; ++i)
      m_Entries[i] = m_Entries[i + 1];
    --m_Pending;
  }

  std::array<Entry, Capacity> m_Entries{};
  std::size_t m_Pending = 0;
};

using SendQueue = TransmitQueue<ParameterEntry, 32>;
using BandQueue = TransmitQueue<BandEntry, 50>;

}  // namespace fenwave
