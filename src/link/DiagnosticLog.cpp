#include "link/DiagnosticLog.h"

#include <utility>

namespace fenwave {

DiagnosticLog::DiagnosticLog(std::size_t capacity) : m_Capacity(capacity == 0 ? 1 : capacity) {}

void DiagnosticLog::Append(std::string line) {
  if (m_Lines.size() >= m_Capacity) m_Lines.pop_front();
  m_Lines.push_back(std::move(line));
  ++m_AppendedCount;
}

void DiagnosticLog::Clear() {
  m_Lines.clear();
}

}  // namespace fenwave
