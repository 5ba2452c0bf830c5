#include "platform/PortList.h"

#include <QSerialPortInfo>
#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <sstream>

namespace fenwave {
namespace {

std::string Folded(const std::string& name) {
  std::string folded = name;
  std::transform(folded.begin(), folded.end(), folded.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return folded;
}

}  // namespace

std::vector<std::string> MergePortNames(std::vector<std::string> reported,
                                        const std::string& extraList) {
  std::istringstream extra(extraList);
  for (std::string name; std::getline(extra, name, ':');) reported.push_back(name);
  std::erase_if(reported, [](const std::string& name) { return name.empty(); });
  std::stable_sort(reported.begin(), reported.end(),
                   [](const std::string& a, const std::string& b) {
                     const std::string fa = Folded(a);
                     const std::string fb = Folded(b);
                     return fa != fb ? fa < fb : a < b;
                   });
  reported.erase(std::unique(reported.begin(), reported.end()), reported.end());
  return reported;
}

std::vector<std::string> AvailablePortNames() {
  std::vector<std::string> names;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
    names.push_back(info.portName().toStdString());
  return MergePortNames(std::move(names), qEnvironmentVariable("FENWAVE_PORTS").toStdString());
}

}  // namespace fenwave
