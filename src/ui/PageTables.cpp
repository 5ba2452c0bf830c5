// The rows of every page. Scale labels, units and design texts are fixed texts of the layout,
// not derived from a slider's range or a pane's format (the echo delay's right label reads
// "5000.0ms" while its pane never shows more than 500).
#include "ui/PageTables.h"

namespace fenwave {
namespace {

// ---------------------------------------------------------------------------------------------
// Music page: the music input panel.

constexpr std::array<ButtonChoice, 2> kInputPorts = {{{"SysInput", "1"}, {"SysInput2", "2"}}};
constexpr std::array<std::string_view, 3> kInputGains = {"0dB", "3dB", "6dB"};
constexpr std::array<ButtonChoice, 3> kInputGainRadios = {
    {{"SysMusInputLevel", "0dB"}, {"SysMusInputLevel2", "3dB"}, {"SysMusInputLevel3", "6dB"}}};

constexpr std::array<PanelRow, 2> kMusicInputRows = {
    PanelRow{
        ButtonRow{.caption = "音乐输入端口:", .buttons = kInputPorts, .kind = ButtonKind::kRadio}},
    PanelRow{ListRow{.caption = "音乐输入增益:",
                     .list = "SysMusInputLevelBox",
                     .items = kInputGains,
                     .group = "SignRzGroup",
                     .hiddenRadios = kInputGainRadios}},
};
constexpr std::array<PanelEntry, 1> kMusicPanels = {{{"音乐输入", kMusicInputRows}}};

// ---------------------------------------------------------------------------------------------
// Microphone page.

constexpr std::array<ButtonChoice, 4> kFeedbackChoices = {{{"MicFBERadioBtn1", "OFF"},
                                                           {"MicFBERadioBtn2", "1"},
                                                           {"MicFBERadioBtn3", "2"},
                                                           {"MicFBERadioBtn4", "3"}}};
constexpr std::array<PanelRow, 2> kMicRows = {
    PanelRow{SliderRow{.caption = "麦克风高通:",
                       .bar = "MicHPFreBar",
                       .max = 143,
                       .start = 100,
                       .pane = "MicHPFrePane",
                       .format = 6,
                       .paneText = "500.0Hz",
                       .spin = "MicHPFreUpDownBtn",
                       .scaleLeft = "OFF",
                       .scaleRight = "303Hz"}},
    PanelRow{ButtonRow{
        .caption = "麦克风反馈抑制:", .buttons = kFeedbackChoices, .kind = ButtonKind::kRadio}},
};
constexpr std::array<PanelEntry, 1> kMicPanels = {{{"", kMicRows}}};

constexpr std::array<ButtonChoice, 2> kMicGroups = {
    {{"MicABtn", "麦克风A组"}, {"MicBBtn", "麦克风B组"}}};
constexpr std::array<PanelRow, 1> kMicGroupColumn = {
    PanelRow{
        ButtonRow{.caption = "麦克风(组选择):", .buttons = kMicGroups, .kind = ButtonKind::kPush}},
};

// ---------------------------------------------------------------------------------------------
// Effect page: echo and reverb filters, then the reverb, echo and echo right-channel columns.

constexpr SliderRow HighPassEffect(std::string_view caption, std::string_view bar,
                                   std::string_view pane, std::string_view spin,
                                   std::string_view scaleLeft) {
  return {.caption = caption,
          .bar = bar,
          .max = 241,
          .start = 1,
          .pane = pane,
          .format = 13,
          .paneText = "20500.1Hz",
          .spin = spin,
          .scaleLeft = scaleLeft,
          .scaleRight = "1000.0Hz"};
}

constexpr SliderRow LowPassEffect(std::string_view caption, std::string_view bar,
                                  std::string_view pane, std::string_view spin) {
  return {.caption = caption,
          .bar = bar,
          .max = 194,
          .start = 1,
          .pane = pane,
          .format = 7,
          .paneText = "20060.0Hz",
          .spin = spin,
          .scaleLeft = "500.0Hz",
          .scaleRight = "20600.0Hz"};
}

constexpr std::array<PanelRow, 2> kEchoFilterRows = {
    PanelRow{HighPassEffect("回声\n高通:", "EchoHPFreBar", "EchoHPFrePane", "EchoHPFreUpDownBtn",
                            "OFF")},
    PanelRow{LowPassEffect("回声\n低通:", "EchoLPFreBar", "EchoLPFrePane", "EchoLPFreUpDownBtn")},
};
constexpr std::array<PanelRow, 2> kReverbFilterRows = {
    PanelRow{HighPassEffect("混响\n高通:", "RvbHPFreBar", "RvbHPFrePane", "RvbHPFreUpDownBtn",
                            "19.7Hz")},
    PanelRow{LowPassEffect("混响\n低通:", "RvbLPFreBar", "RvbLPFrePane", "RvbLPFreUpDownBtn")},
};
constexpr std::array<PanelEntry, 2> kEffectPanels = {
    {{"", kEchoFilterRows}, {"", kReverbFilterRows}}};

// An effect level row: 0..100 %, with a phase toggle.
constexpr SliderRow EffectLevel(std::string_view caption, std::string_view bar,
                                std::string_view pane, std::string_view phase) {
  return {.caption = caption,
          .bar = bar,
          .max = 100,
          .start = 1,
          .pane = pane,
          .format = 8,
          .paneText = "100",
          .unit = "%",
          .phase = phase,
          .scaleLeft = "±0%",
          .scaleRight = "±100%"};
}

constexpr SliderRow Plain(std::string_view caption, std::string_view bar, int max,
                          std::string_view pane, int format, std::string_view paneText,
                          std::string_view unit, std::string_view scaleLeft,
                          std::string_view scaleRight) {
  return {.caption = caption,
          .bar = bar,
          .max = max,
          .start = 1,
          .pane = pane,
          .format = format,
          .paneText = paneText,
          .unit = unit,
          .scaleLeft = scaleLeft,
          .scaleRight = scaleRight};
}

constexpr std::array<PanelRow, 4> kReverbColumn = {
    PanelRow{EffectLevel("混响效果音量:", "RvbEffLevelBar", "RvbEffLevelPane", "RvbEffPhaseBtn")},
    PanelRow{
        EffectLevel("直达声音量:", "RvbDirectLevelBar", "RvbDirectLevelPane", "RvbDirectPhaseBtn")},
    PanelRow{Plain("混响预延时:", "RvbPreDelayBar", 100, "RvbPreDelayPane", 11, "200", "ms", "0ms",
                   "200ms")},
    PanelRow{Plain("混响时间:", "RvbTimeBar", 80, "RvbTimePane", 12, "5000.0", "ms", "0.0ms",
                   "5000.0ms")},
};
constexpr std::array<PanelRow, 4> kEchoColumn = {
    PanelRow{
        EffectLevel("回声效果音量:", "EchoEffLevelBar", "EchoEffLevelPane", "EchoEffPhaseBtn")},
    PanelRow{EffectLevel("直达声音量:", "EchoDirectLevelBar", "EchoDirectLevelPane",
                         "EchoDirectPhaseBtn")},
    PanelRow{Plain("回声预延时:", "EchoPreDelayBar", 125, "EchoPreDelayPane", 11, "200", "ms",
                   "0ms", "200ms")},
    PanelRow{Plain("回声延时:", "EchoTimeBar", 250, "EchoTimePane", 11, "5000.0", "ms", "0.0ms",
                   "5000.0ms")},
};
constexpr std::array<PanelRow, 3> kEchoRightColumn = {
    PanelRow{
        Plain("回声重复比率:", "EchoRepeatBar", 90, "EchoRepeatPane", 8, "100", "%", "0%", "90%")},
    PanelRow{Plain("回声右通道预延时:", "EchoRPreDelayBar", 50, "EchoRPreDelayPane", 8, "100", "%",
                   "0%", "50%")},
    PanelRow{Plain("回声右通道延时:", "EchoRTimeBar", 100, "EchoRTimePane", 10, "200", "%", "-50%",
                   "+50%")},
};

// ---------------------------------------------------------------------------------------------
// Output pages (main, center, subwoofer, surround): one set of rows, prefixed per page.

constexpr SliderRow OutputLevel(std::string_view caption, std::string_view bar,
                                std::string_view pane, std::string_view phase, int max,
                                std::string_view top) {
  return {.caption = caption,
          .bar = bar,
          .max = max,
          .start = 1,
          .pane = pane,
          .format = 9,
          .paneText = "100",
          .unit = "%",
          .phase = phase,
          .scaleLeft = "±0%",
          .scaleRight = top};
}

constexpr std::array<PanelRow, 4> kOutputLevelColumn = {
    PanelRow{OutputLevel("音乐音量:", "MusLevelBar", "MusLevelPane", "MusPhaseBtn", 100, "±200%")},
    PanelRow{
        OutputLevel("直达声音量:", "MicLevelBar", "MicLevelPane", "MicPhaseBtn", 100, "±200%")},
    PanelRow{OutputLevel("回声效果音量:", "EchoLevelBar", "EchoLevelPane", "EchoPhaseBtn", 100,
                         "±200%")},
    PanelRow{
        OutputLevel("混响效果音量:", "RvbLevelBar", "RvbLevelPane", "RvbPhaseBtn", 100, "±200%")},
};
// The subwoofer mixes only music and microphone, at up to twice the gain.
constexpr std::array<PanelRow, 2> kSubLevelColumn = {
    PanelRow{OutputLevel("音乐音量:", "MusLevelBar", "MusLevelPane", "MusPhaseBtn", 200, "±400%")},
    PanelRow{
        OutputLevel("直达声音量:", "MicLevelBar", "MicLevelPane", "MicPhaseBtn", 200, "±400%")},
};

constexpr std::array<PanelRow, 4> kLimiterColumn = {
    PanelRow{Plain("压限启动电平:", "RmsLevelBar", 34, "RmsLevelPane", 14, "-20", "dBu", "-20dBu",
                   "+14dBu")},
    PanelRow{Plain("压限启动时间:", "RmsAttackBar", 15, "RmsAttackPane", 17, "90.0", "ms", "0.5ms",
                   "90.0ms")},
    PanelRow{SliderRow{.caption = "压限释放时间:",
                       .bar = "RmsReleaseBar",
                       .max = 7,
                       .start = 1,
                       .pane = "RmsReleasePane",
                       .format = 16,
                       .paneText = "32",
                       .unit = "Atk x",
                       .scaleLeft = "Atk x 2",
                       .scaleRight = "Atk x 32",
                       .unitBeforePane = true}},
    PanelRow{
        Plain("压缩比例:", "RmsRatioBar", 40, "RmsRatioPane", 15, "100.0", "", "1.0", "100.0")},
};

constexpr SliderRow Delay(std::string_view caption, std::string_view bar, std::string_view pane) {
  return Plain(caption, bar, 500, pane, 18, "100", "ms", "0.0ms", "100.0ms");
}

constexpr std::array<ButtonChoice, 2> kStereoMutes = {
    {{"LmuteBtn", "左通道静音"}, {"RmuteBtn", "右通道静音"}}};
constexpr std::array<ButtonChoice, 1> kMonoMute = {{{"muteBtn", "静 音"}}};

constexpr std::array<PanelRow, 3> kStereoDelayColumn = {
    PanelRow{Delay("左通道延时:", "LdelayBar", "LdelayPane")},
    PanelRow{Delay("右通道延时:", "RdelayBar", "RdelayPane")},
    PanelRow{ButtonRow{.buttons = kStereoMutes, .kind = ButtonKind::kToggle}},
};
constexpr std::array<PanelRow, 2> kMonoDelayColumn = {
    PanelRow{Delay("延时:", "delayBar", "delayPane")},
    PanelRow{ButtonRow{.buttons = kMonoMute, .kind = ButtonKind::kToggle}},
};

constexpr SliderRow OutputHighPass(std::string_view scaleRight) {
  return {.caption = "高通:",
          .bar = "MusHPFreBar",
          .max = 143,
          .start = 100,
          .pane = "MusHPFrePane",
          .format = 6,
          .paneText = "500.0Hz",
          .spin = "HPFreUpDownBtn",
          .scaleLeft = "OFF",
          .scaleRight = scaleRight};
}

constexpr std::array<ButtonChoice, 2> kSlopes = {{{"MusHPslope", "12dB"}, {"MusHPslope2", "24dB"}}};
constexpr std::array<PanelRow, 2> kSlopeFilterRows = {
    PanelRow{OutputHighPass("303Hz")},
    PanelRow{ButtonRow{.caption = "波特率斜率:", .buttons = kSlopes, .kind = ButtonKind::kRadio}},
};
constexpr std::array<PanelEntry, 1> kSlopeFilterPanels = {{{"", kSlopeFilterRows}}};
constexpr std::array<PanelRow, 1> kPlainFilterRows = {PanelRow{OutputHighPass("303Hz")}};
constexpr std::array<PanelEntry, 1> kPlainFilterPanels = {{{"", kPlainFilterRows}}};

// Subwoofer: a high-pass and a low-pass panel, each with its user Q (usable only with the two
// "USER" filter types, so disabled at start) and its filter type list.
constexpr std::array<std::string_view, 5> kSubFilterTypes = {
    "Besell 24dB", "Butterworth 24dB", "Link Riley 24dB", "USER 12dB", "USER 24dB"};

constexpr SliderRow SubFrequency(std::string_view caption, std::string_view bar,
                                 std::string_view pane, std::string_view spin) {
  return {.caption = caption,
          .bar = bar,
          .max = 143,
          .start = 100,
          .pane = pane,
          .format = 6,
          .paneText = "500.0Hz",
          .spin = spin,
          .scaleLeft = "OFF",
          .scaleRight = "303.0Hz"};
}
constexpr SliderRow SubUserQ(std::string_view bar, std::string_view pane, std::string_view spin) {
  return {.caption = "Q值:",
          .bar = bar,
          .max = 23,
          .start = 15,
          .pane = pane,
          .format = 19,
          .paneText = "1.0",
          .spin = spin,
          .scaleLeft = "0.4",
          .scaleRight = "1.5",
          .disabled = true};
}

constexpr std::array<PanelRow, 3> kSubHighPassRows = {
    PanelRow{SubFrequency("高通:", "MusHPFreBar", "MusHPFrePane", "HPFreUpDownBtn")},
    PanelRow{SubUserQ("MusHPuserQBar", "MusHPuserQPane", "MusHPuserQUpDownBtn")},
    PanelRow{ListRow{.caption = "高通滤波器模式：",
                     .list = "MusHPType",
                     .items = kSubFilterTypes,
                     .picture = "MusHPTypeBtn"}},
};
constexpr std::array<PanelRow, 3> kSubLowPassRows = {
    PanelRow{SubFrequency("低通:", "MusLPFreBar", "MusLPFrePane", "LPFreUpDownBtn")},
    PanelRow{SubUserQ("MusLPuserQBar", "MusLPuserQPane", "MusLPuserQUpDownBtn")},
    PanelRow{ListRow{.caption = "低通滤波器模式：",
                     .list = "MusLPType",
                     .items = kSubFilterTypes,
                     .picture = "MusLPTypeBtn"}},
};
constexpr std::array<PanelEntry, 2> kSubFilterPanels = {
    {{"", kSubHighPassRows}, {"", kSubLowPassRows}}};

constexpr std::array<SheetLayout, kEqPageCount> kSheetLayouts = {{
    {"", kMusicPanels, {}},
    {"", kMicPanels, {kMicGroupColumn, {}, {}}},
    {"", kEffectPanels, {kReverbColumn, kEchoColumn, kEchoRightColumn}},
    {"Main", kSlopeFilterPanels, {kOutputLevelColumn, kLimiterColumn, kStereoDelayColumn}},
    {"Center", kSlopeFilterPanels, {kOutputLevelColumn, kLimiterColumn, kMonoDelayColumn}},
    {"Sub", kSubFilterPanels, {kSubLevelColumn, kLimiterColumn, kMonoDelayColumn}},
    {"Sur", kPlainFilterPanels, {kOutputLevelColumn, kLimiterColumn, kStereoDelayColumn}},
}};

}  // namespace

const std::array<SheetLayout, kEqPageCount>& SheetLayouts() {
  return kSheetLayouts;
}

}  // namespace fenwave
