// The two in-memory copies of the device's settings and the selectors between them:
// the ParameterImage as the controls see it, the DeviceImage in the device's own order.
#pragma once

#include <array>
#include <cstdint>

#include "model/Address.h"

namespace fenwave {

// 11 modules × 86 slots, indexed as the controls see the settings.
using ParameterImageTable = std::array<std::array<std::int32_t, kParameterSlots>, kModuleCount>;
// 11 blocks × 113 entries in the device's order (both banks, both microphone groups).
using DeviceImageTable = std::array<std::array<std::int32_t, kDeviceEntries>, kModuleCount>;

class ParameterModel {
 public:
  ParameterModel();

  // Value at an address of the ParameterImage; 0 for an address outside it.
  [[nodiscard]] std::int32_t Value(ParamAddress a) const;
  // Writes one ParameterImage entry; addresses outside the image are ignored.
  void SetValue(ParamAddress a, std::int32_t v);

  // DeviceImage entry (block, entry); 0 outside the image.
  [[nodiscard]] std::int32_t DeviceValue(int block, int entry) const;
  // Writes one DeviceImage entry; returns false (and writes nothing) outside the image.
  bool SetDeviceValue(int block, int entry, std::int32_t v);

  // a + 256 while microphone group B is selected and a is a module-1 address.
  [[nodiscard]] ParamAddress RedirectMicGroup(ParamAddress a) const;
  // For either Q field of a band: the Q field in force for the band's type; else a.
  [[nodiscard]] ParamAddress EffectiveQAddress(ParamAddress a) const;

  // The image update every send performs: ParameterImage at a and at its redirected
  // address, and the DeviceImage entry of the redirected address in the bank in force.
  void StoreValue(ParamAddress a, std::int32_t v);
  // The display-only store: ParameterImage at a and the DeviceImage entry that backs the
  // shown value (the redirected address, in the bank in force); row 2 is left alone.
  void StoreShown(ParamAddress a, std::int32_t v);
  // Rebuilds the ParameterImage (rows 0..9) from the DeviceImage for the current selectors.
  void ApplyDeviceImage();

  [[nodiscard]] const ParameterImageTable& ParameterImage() const { return m_ParameterImage; }
  [[nodiscard]] const DeviceImageTable& DeviceImage() const { return m_DeviceImage; }
  // Whole-image replacement, for a backup load that has passed every check.
  void ReplaceDeviceImage(const DeviceImageTable& image) { m_DeviceImage = image; }

  [[nodiscard]] int BankSelect() const { return m_BankSelect; }
  void SetBankSelect(int bank) { m_BankSelect = bank != 0 ? 1 : 0; }
  [[nodiscard]] int MicGroupB() const { return m_MicGroupB; }
  void SetMicGroupB(int groupB) { m_MicGroupB = groupB != 0 ? 1 : 0; }

 private:
  ParameterImageTable m_ParameterImage{};
  DeviceImageTable m_DeviceImage{};
  int m_BankSelect = 0;
  int m_MicGroupB = 0;
};

}  // namespace fenwave
