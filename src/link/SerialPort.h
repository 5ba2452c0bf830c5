// The serial port as the link sees it. The platform layer adapts a real port to it; tests use
// a fake. Arriving bytes are handed to the link by whoever owns the port (on the UI thread).
#pragma once

#include <string>

#include "link/Frame.h"

namespace fenwave {

class SerialPort {
 public:
  virtual ~SerialPort() = default;
  // Opens the named port at 57600 8N1; false when it cannot be opened.
  virtual bool Open(const std::string& name) = 0;
  virtual void Close() = 0;
  [[nodiscard]] virtual bool IsOpen() const = 0;
  // Writes the whole byte string; false when the port rejects the write.
  virtual bool Write(const Bytes& bytes) = 0;
  // The port's description of its last failure, shown to the user when a long frame could not
  // be written; empty when the port has none to give.
  [[nodiscard]] virtual std::string ErrorText() const { return {}; }
};

}  // namespace fenwave
