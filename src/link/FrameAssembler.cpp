#include "link/FrameAssembler.h"

namespace fenwave {

void FrameAssembler::StartFrame(std::uint8_t first, std::size_t expected) {
  m_Buffer.assign(1, first);
  m_RxStage = RxStage::Header;
  m_Expected = expected;
  m_AgeMs = 0;
}

void FrameAssembler::Feed(std::span<const std::uint8_t> bytes, FrameSink& sink) {
  m_Unread.insert(m_Unread.end(), bytes.begin(), bytes.end());
  if (m_Feeding) return;
  m_Feeding = true;
  bool waiting = false;
  while (!waiting) {
    switch (m_RxStage) {
    case RxStage::Hunting: {
      if (m_Pos == m_Unread.size()) {
        waiting = true;
        break;
      }
      const std::uint8_t b = m_Unread[m_Pos++];
      if (b == kFrameHeader0)
        StartFrame(b, 3);
      else if (b == kAckHeader)
        StartFrame(b, 1);
      break;
    }
    case RxStage::Header: {
      if (m_Pos == m_Unread.size()) {
        waiting = true;
        break;
      }
      m_Buffer.push_back(m_Unread[m_Pos++]);
      if (m_Buffer.size() < 1 + m_Expected) break;
      m_RxStage = RxStage::Hunting;
      if (m_Buffer[0] == kAckHeader) {
        if (m_Buffer[1] == kAckTaken || m_Buffer[1] == kAckTakenAlt) sink.OnAckFrame();
        m_Buffer.clear();
        break;
      }
      const std::uint8_t len = m_Buffer[2];
      const std::uint8_t type = m_Buffer[3];
      // LEN below 4 cannot even hold the address and the check byte.
      if (m_Buffer[1] == kFrameHeader1 && (type == kFrameWrite || type == kFrameRead) && len >= 4) {
        m_RxStage = RxStage::Body;
        m_Expected = static_cast<std::size_t>(len) - 1;
      } else {
        m_Buffer.clear();
      }
      break;
    }
    case RxStage::Body: {
      const std::size_t available = m_Unread.size() - m_Pos;
      if (available < m_Expected) {
        waiting = true;
        break;
      }
      const auto body = m_Unread.begin() + static_cast<std::ptrdiff_t>(m_Pos);
      m_Buffer.insert(m_Buffer.end(), body, body + static_cast<std::ptrdiff_t>(m_Expected));
      m_Pos += m_Expected;
      m_RxStage = RxStage::Hunting;
      // The sink may reset the assembler; hand it a frame of its own.
      const Bytes frame = std::move(m_Buffer);
      m_Buffer.clear();
      sink.OnCommandFrame(frame, available);
      break;
    }
    }
  }
  m_Unread.erase(m_Unread.begin(), m_Unread.begin() + static_cast<std::ptrdiff_t>(m_Pos));
  m_Pos = 0;
  m_Feeding = false;
}

void FrameAssembler::Age(int milliseconds) {
  if (m_RxStage == RxStage::Hunting) return;
  m_AgeMs += milliseconds;
  if (m_AgeMs >= kStaleFrameMs) Reset();
}

void FrameAssembler::Reset() {
  m_RxStage = RxStage::Hunting;
  m_Buffer.clear();
  m_Unread.clear();
  m_Pos = 0;
  m_Expected = 0;
  m_AgeMs = 0;
}

}  // namespace fenwave
