// Every bound control carries its parameter address as its integer tag and a small number as
// its hint text (a display format, a switch state, a radio value or a last accepted position).
// Both live as dynamic properties so that handlers, refreshes and tests read them alike.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace fenwave {

inline constexpr char kTagProperty[] = "tag";
inline constexpr char kHintProperty[] = "hint";

[[nodiscard]] inline int Tag(const QObject* control) {
  return control ? control->property(kTagProperty).toInt() : 0;
}
inline void SetTag(QObject* control, int tag) { control->setProperty(kTagProperty, tag); }

[[nodiscard]] inline QString Hint(const QObject* control) {
  return control ? control->property(kHintProperty).toString() : QString();
}
inline void SetHint(QObject* control, const QString& hint) {
  control->setProperty(kHintProperty, hint);
}
// The hint read as an integer; an empty or non-numeric hint counts as 0.
[[nodiscard]] inline int HintValue(const QObject* control) { return Hint(control).toInt(); }

}  // namespace fenwave
