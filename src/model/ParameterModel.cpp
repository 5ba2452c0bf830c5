#include "model/ParameterModel.h"

namespace fenwave {
namespace {

bool InParameterImage(ParamAddress a) {
  const int m = ModuleOf(a);
  const int s = SlotOf(a);
  return a >= 0 && m < kModuleCount && s < kParameterSlots;
}

bool InDeviceImage(int block, int entry) {
  return block >= 0 && block < kModuleCount && entry >= 0 && entry < kDeviceEntries;
}

} // namespace

ParameterModel::ParameterModel() = default;

std::int32_t ParameterModel::Value(ParamAddress a) const {
  if (!InParameterImage(a)) return 0;
  return m_ParameterImage[static_cast<std::size_t>(ModuleOf(a))]
                         [static_cast<std::size_t>(SlotOf(a))];
}

void ParameterModel::SetValue(ParamAddress a, std::int32_t v) {
  if (!InParameterImage(a)) return;
  m_ParameterImage[static_cast<std::size_t>(ModuleOf(a))][static_cast<std::size_t>(SlotOf(a))] = v;
}

std::int32_t ParameterModel::DeviceValue(int block, int entry) const {
  if (!InDeviceImage(block, entry)) return 0;
  return m_DeviceImage[static_cast<std::size_t>(block)][static_cast<std::size_t>(entry)];
}

bool ParameterModel::SetDeviceValue(int block, int entry, std::int32_t v) {
  if (!InDeviceImage(block, entry)) return false;
  m_DeviceImage[static_cast<std::size_t>(block)][static_cast<std::size_t>(entry)] = v;
  return true;
}

ParamAddress ParameterModel::RedirectMicGroup(ParamAddress a) const {
  return (ModuleOf(a) == kMicA && m_MicGroupB == 1) ? a + 256 : a;
}

ParamAddress ParameterModel::EffectiveQAddress(ParamAddress a) const {
  const int field = EqElementOf(a) % 256;
  if (field != 3 && field != 4) return a;
  const ParamAddress typeField = a - field;
  return Value(typeField) == 0 ? typeField + 3 : typeField + 4;
}

void ParameterModel::StoreValue(ParamAddress a, std::int32_t v) {
  SetValue(a, v);
  const ParamAddress t = RedirectMicGroup(a);
  SetValue(t, v);
  SetDeviceValue(ModuleOf(t), DeviceIndex(ModuleOf(t), SlotOf(t), m_BankSelect), v);
}

void ParameterModel::StoreShown(ParamAddress a, std::int32_t v) {
  SetValue(a, v);
  const ParamAddress t = RedirectMicGroup(a);
  SetDeviceValue(ModuleOf(t), DeviceIndex(ModuleOf(t), SlotOf(t), m_BankSelect), v);
}

void ParameterModel::ApplyDeviceImage() {
  for (int m = 0; m <= kSystem; ++m) {
    const int source = (m == kMicA && m_MicGroupB == 1) ? kMicB : m;
    for (int j = 0; j < ModuleSlotCount[static_cast<std::size_t>(m)]; ++j) {
      SetValue(MakeAddress(m, j), DeviceValue(source, DeviceIndex(m, j, m_BankSelect)));
    }
  }
}

} // namespace fenwave
