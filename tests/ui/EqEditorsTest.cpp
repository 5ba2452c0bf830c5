// The EQ band editors: typing and committing in the band edit boxes, their key filter and arrow
// keys, the click that selects without sending, the spin buttons, the shared band editor, the
// band-type lists with the shelf Q limit, the band labels, microphone group B, and the EQ reset.
#include <QLabel>
#include <QTest>

#include "BindingFixture.h"
#include "link/DeviceLink.h"
#include "model/ParameterModel.h"
#include "ui/ControlProps.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

class EqEditorsTest : public BoundWindowTest {
 protected:
  // Types `text` over the edit box's contents (an empty text erases them) and presses Enter.
  void Type(const char* name, const char* text) {
    auto* edit = Find<EqEdit>(name);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClicks(edit, QString::fromUtf8(text));
    if (*text == '\0') QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Return);
  }
  // Makes band 1 of the music page a low shelf, as the user would choose it.
  void MakeBand1AShelf() {
    auto* type = Find<QComboBox>("MusModeBox1");
    type->setCurrentIndex(1);
    emit type->activated(1);
  }
};

struct TypedCase {
  const char* edit;
  const char* typed;
  ParamAddress address;
  const char* shown;
  int step;
};

TEST_F(EqEditorsTest, ATypedNumberCommitsAsTheStepOfItsScaleAndShowsTheNormalisedText) {
  const TypedCase cases[] = {
      {"MusFreEdit1", "400", 0x0005, "397.0", 156},  // the nearest frequency step
      {"MusFreEdit1", "30000", 0x0005, "20600.0", 361}, {"MusFreEdit1", "1", 0x0005, "19.7", 0},
      {"MusGainEdit1", "3.05", 0x0006, "3.0", 135},  // 27.05 × 5 = 135.25
      {"MusGainEdit1", "-6.4", 0x0006, "-6.4", 88},     {"MusGainEdit1", "20", 0x0006, "12.0", 180},
      {"MusQEdit1", "0.41", 0x0007, "0.42", 1},  // the first Q step not below it
      {"MusQEdit1", "200", 0x0007, "128.00", 100},
  };
  for (const TypedCase& c : cases) {
    Type(c.edit, c.typed);
    EXPECT_EQ(Text(c.edit).toStdString(), c.shown) << c.edit << " " << c.typed;
    EXPECT_EQ(Value(c.address), c.step) << c.edit << " " << c.typed;
    EXPECT_EQ(binding->SavedEditText(), Text(c.edit));
  }
}

TEST_F(EqEditorsTest, ACommittedGainGoesOutAsTheBandsFrame) {
  Connect();
  Type("MusGainEdit1", "3.05");
  EXPECT_EQ(Written(),
            std::vector<std::string>{"FC B1 10 A7 00 02 00 00 00 00 00 00 87 00 00 00 00 00 9D"});
}

TEST_F(EqEditorsTest, TheKeyFilterDropsLettersAndATextThatIsNoNumberRestoresTheLastGoodOne) {
  Connect([](int, int) { return 100; });
  Type("MusFreEdit2", "1x");  // the letter never reaches the box
  EXPECT_EQ(Text("MusFreEdit2"), QStringLiteral("19.7"));
  EXPECT_EQ(Value(0x000A), 0);
  link.Ack();
  Written();

  for (const char* bad : {"1.2.3", "5-", "-", ""}) {
    Type("MusFreEdit2", bad);
    EXPECT_EQ(Text("MusFreEdit2"), QStringLiteral("19.7")) << '"' << bad << '"';
  }
  EXPECT_EQ(Value(0x000A), 0);
  EXPECT_TRUE(Written().empty());
}

TEST_F(EqEditorsTest, ArrowKeysStepTheCurrentEditWithinItsRangeAlsoFromTheSharedEditorsBoxes) {
  Type("MusGainEdit1", "12");
  QTest::keyClick(Find("MusGainEdit1"), Qt::Key_Up);
  EXPECT_EQ(Text("MusGainEdit1"), QStringLiteral("12.0"));
  QTest::keyClick(Find("MusGainEdit1"), Qt::Key_Left);
  EXPECT_EQ(Text("MusGainEdit1"), QStringLiteral("11.8"));
  QTest::keyClick(Find("ComEQFreEdit"), Qt::Key_Down);
  EXPECT_EQ(Text("MusGainEdit1"), QStringLiteral("11.6"));
  EXPECT_EQ(Value(0x0006), 178);
}

TEST_F(EqEditorsTest, EnterInTheReadOnlyFrequencyBoxOfTheSharedEditorChangesAndSendsNothing) {
  Connect();
  Type("MusFreEdit3", "1000");
  link.Ack();
  Written();
  const QString shown = Text("ComEQFreEdit");
  QTest::keyClick(Find("ComEQFreEdit"), Qt::Key_Return);
  QTest::keyClicks(Find("ComEQFreEdit"), QStringLiteral("55"));
  EXPECT_EQ(Text("ComEQFreEdit"), shown);
  EXPECT_EQ(Value(0x000F), 204);
  EXPECT_TRUE(Written().empty());
}

TEST_F(EqEditorsTest, AClickSelectsTheBandMarksItsLabelAndGroupBoxAndWritesNothing) {
  Connect([](int, int) { return 130; });
  QTest::mouseClick(Find("MusGainEdit5"), Qt::LeftButton);
  EXPECT_TRUE(Written().empty());
  EXPECT_EQ(binding->SelectedBand(0), 4);
  EXPECT_EQ(binding->CurrentEdit(), Find("MusGainEdit5"));
  const std::vector<ClickLabel*>& labels = window->EqPointLabels(0);
  for (std::size_t j = 0; j < labels.size(); ++j)
    EXPECT_EQ(labels[j]->Marked(), j == 4) << j;
  EXPECT_EQ(Find<ColorGroupBox>("MusGainGrop5")->Color(), QColor(68, 134, 255));
  EXPECT_EQ(Text("COMEQlabel"), QStringLiteral("调节当前EQ段：5"));
  EXPECT_EQ(Text("ComEQGainEdit"), QStringLiteral("2.0dB"));

  // The next click moves the highlight; the old box turns grey.
  QTest::mouseClick(Find("MusFreEdit2"), Qt::LeftButton);
  EXPECT_EQ(Find<ColorGroupBox>("MusFreGrop2")->Color(), QColor(68, 134, 255));
  EXPECT_EQ(Find<ColorGroupBox>("MusGainGrop5")->Color(), QColor(153, 153, 153));
  EXPECT_EQ(Text("COMEQlabel"), QStringLiteral("调节当前EQ段：2"));
}

TEST_F(EqEditorsTest, ABandLabelSelectsItsBandWithoutSending) {
  Connect();
  QTest::mouseClick(window->EqPointLabels(1)[11], Qt::LeftButton);  // microphone band 12
  EXPECT_EQ(binding->SelectedBand(1), 11);
  EXPECT_EQ(binding->CurrentEdit(), Find("MicFreEdit12"));
  EXPECT_TRUE(window->EqPointLabels(1)[11]->Marked());
  EXPECT_TRUE(Written().empty());
}

TEST_F(EqEditorsTest, SpinButtonsStepAnEditBoxOrASliderAndTheSharedEditorsStepTheBandsBox) {
  // A frequency at step 0 stepped down stays at 0.
  Type("MusFreEdit1", "19.7");
  Find<SpinButtons>("MusFreUpDownBtn1")->DownLeft()->click();
  EXPECT_EQ(Value(0x0005), 0);
  Find<SpinButtons>("MusFreUpDownBtn1")->UpRight()->click();
  EXPECT_EQ(Text("MusFreEdit1"), QStringLiteral("20.1"));
  EXPECT_EQ(binding->CurrentEdit(), Find("MusFreEdit1"));

  QTest::mouseClick(Find("MusGainEdit2"), Qt::LeftButton);
  Find<SpinButtons>("ComEQGainUpDownBtn")->UpRight()->click();
  EXPECT_EQ(Text("MusGainEdit2"), QStringLiteral("0.2"));
  EXPECT_EQ(Value(0x000B), 121);
  EXPECT_EQ(Find<QSlider>("ComEQGainBar")->value(), 121);

  Connect();
  auto* bar = Find<QSlider>("MicHPFreBar");
  Find<SpinButtons>("MicHPFreUpDownBtn")->UpRight()->click();
  EXPECT_EQ(bar->value(), 1);
  EXPECT_EQ(Text("MicHPFrePane"), QStringLiteral("19.7Hz"));
  EXPECT_EQ(Written(), std::vector<std::string>{"FC B1 06 A7 01 00 01 00 14"});
  EXPECT_EQ(binding->CurrentEdit(), nullptr);
}

TEST_F(EqEditorsTest, AShelvingBandsQStopsAt28FromTheEditTheSpinButtonsAndTheSharedSlider) {
  MakeBand1AShelf();
  EXPECT_EQ(Value(0x0004), 1);
  EXPECT_EQ(Text("MusQEdit1"), QStringLiteral("0.71"));  // the shelf Q of the reset, step 10

  Type("MusQEdit1", "5");
  EXPECT_EQ(Text("MusQEdit1"), QStringLiteral("2.00"));
  EXPECT_EQ(Value(0x0008), 28);
  Find<SpinButtons>("MusQUpDownBtn1")->UpRight()->click();
  EXPECT_EQ(Value(0x0008), 28);

  Type("MusQEdit1", "1");
  Find<QSlider>("ComEQQvalueBar")->setValue(60);
  EXPECT_EQ(Value(0x0008), 28);
  EXPECT_EQ(Find<QSlider>("ComEQQvalueBar")->value(), 28);
  EXPECT_EQ(Text("ComEQQvalueEdit"), QStringLiteral("2.00"));
  EXPECT_EQ(Value(0x0007), 30);  // the peaking Q is left alone

  // Back to a peaking band: its own Q shows again, and the limit is 100.
  auto* type = Find<QComboBox>("MusModeBox1");
  type->setCurrentIndex(0);
  emit type->activated(0);
  EXPECT_EQ(Text("MusQEdit1"), QStringLiteral("2.20"));
  EXPECT_EQ(binding->LastChangedAddress(), 0x0004);
  EXPECT_EQ(binding->LastChangedValue(), 0);
  Type("MusQEdit1", "128");
  EXPECT_EQ(Value(0x0007), 100);
}

TEST_F(EqEditorsTest, TheSharedEditorShowsTheQInForceForAShelfSelectedByItsFrequency) {
  MakeBand1AShelf();
  QTest::mouseClick(Find("MusFreEdit1"), Qt::LeftButton);
  EXPECT_EQ(Text("ComEQQvalueEdit"), QStringLiteral("0.71"));
  EXPECT_EQ(Find<QSlider>("ComEQQvalueBar")->value(), 10);
}

TEST_F(EqEditorsTest, TheResetAtStartUpGivesBothMusicBanksAndEveryModuleItsDefaults) {
  EXPECT_EQ(Value(0x0005), 5);    // music band 1
  EXPECT_EQ(Value(0x0032), 329);  // music band 10
  EXPECT_EQ(Text("MusFreEdit1"), QStringLiteral("21.7"));
  EXPECT_EQ(Text("MusFreEdit10"), QStringLiteral("11100.0"));
  const int dance[] = {11, 35, 59, 83, 107, 131, 155, 179, 203, 227};
  for (int k = 0; k < 10; ++k)
    EXPECT_EQ(link.model.DeviceValue(0, 57 + 5 * k), dance[k]) << k;
  // Every band: PEQ, 0 dB, Q 2.20 for a peak and 0.71 for a shelf; frequencies spread evenly.
  EXPECT_EQ(Value(0x0104), 0);
  EXPECT_EQ(Value(0x0106), 120);
  EXPECT_EQ(Value(0x0107), 30);
  EXPECT_EQ(Value(0x0108), 10);
  EXPECT_EQ(Value(0x014B), 5 + 24 * 14);  // microphone band 15
  EXPECT_EQ(link.model.DeviceValue(2, 0x4B), 5 + 24 * 14);
  EXPECT_EQ(Value(0x0318), 245);  // echo band 3: 240 + 5
  EXPECT_EQ(Value(0x0533), 293);  // main band 5: 288 + 5
  EXPECT_EQ(Text("MicQEdit1"), QStringLiteral("2.20"));
  EXPECT_EQ(Text("SubGainEdit3"), QStringLiteral("0.0"));

  // The dance bank shows its own frequencies (the bank is chosen in manual mode only).
  Find<BitmapButton>("DiscoModeBtn")->click();
  EXPECT_EQ(link.model.BankSelect(), 0);
  Find<BitmapButton>("ManulModeBtn")->click();
  Find<BitmapButton>("DiscoModeBtn")->click();
  EXPECT_EQ(link.model.BankSelect(), 1);
  EXPECT_EQ(Text("MusFreEdit1"), QStringLiteral("24.3"));
  EXPECT_EQ(Text("MusFreEdit10"), QStringLiteral("1560.0"));
}

TEST_F(EqEditorsTest, TheResetButtonResetsAndSendsEveryBandOfThePageShown) {
  Connect([](int, int) { return 1; });
  link.UseAnsweringDevice();
  Find<BitmapButton>("EQResetBtn")->click();
  link.Advance(1000);
  std::vector<std::string> bands;
  for (const std::string& frame : Written())
    if (frame.rfind("FC B1 10 A7 00 02", 0) == 0) bands.push_back(frame.substr(18, 5));
  EXPECT_EQ(bands, (std::vector<std::string>{"00 00", "01 00", "02 00", "03 00", "04 00", "05 00",
                                             "06 00", "07 00", "08 00", "09 00"}));
  // Only the bank in force: the dance bank (1 everywhere) shows the sing spread of the reset.
  EXPECT_EQ(Text("MusFreEdit10"), QStringLiteral("11100.0"));
  EXPECT_EQ(link.model.DeviceValue(0, 5), 1);
  EXPECT_EQ(link.model.DeviceValue(0, 57), 5);
  EXPECT_EQ(Value(0x0006), 120);
  EXPECT_EQ(curve.draws.back(), std::make_pair(0, 0));  // the selected band of the music page
}

TEST_F(EqEditorsTest, WithMicrophoneGroupBBandChangesAndTheResetGoToModule2) {
  // Group A and group B differ in every band field.
  Connect([](int m, int e) -> std::uint16_t {
    if ((m != 1 && m != 2) || e < 4) return 0;
    static constexpr std::array<std::uint16_t, 5> kA = {0, 200, 130, 50, 20};
    static constexpr std::array<std::uint16_t, 5> kB = {0, 100, 110, 40, 12};
    return m == 1 ? kA[static_cast<std::size_t>((e - 4) % 5)]
                  : kB[static_cast<std::size_t>((e - 4) % 5)];
  });
  window->FormTabBtn1Click(window->PageButtons()[1]);
  auto* groupA = Find<BitmapButton>("MicABtn");
  auto* groupB = Find<BitmapButton>("MicBBtn");
  // Group A is shown pressed from the start.
  EXPECT_EQ(groupA->picture(Picture::Up).cacheKey(), groupA->picture(Picture::Down).cacheKey());
  EXPECT_EQ(groupB->picture(Picture::Up).cacheKey(),
            groupB->picture(Picture::Disabled).cacheKey());
  groupB->click();
  EXPECT_EQ(link.model.MicGroupB(), 1);
  EXPECT_EQ(window->CurveColour(), QColor(255, 102, 0));
  EXPECT_EQ(Text("MicFreEdit1"), QStringLiteral("135.0"));  // group B's step 100

  Type("MicGainEdit1", "3.05");
  EXPECT_EQ(Written(),
            std::vector<std::string>{"FC B1 10 A7 02 02 00 00 00 00 64 00 87 00 28 00 0C 00 77"});
  EXPECT_EQ(link.model.DeviceValue(2, 6), 135);
  EXPECT_EQ(link.model.DeviceValue(1, 6), 130);

  link.UseAnsweringDevice();
  link.Ack();
  Find<BitmapButton>("RzBmpButton6")->click();  // the microphone page's EQ reset
  link.Advance(1000);
  int groupBFrames = 0;
  for (const std::string& frame : Written()) {
    EXPECT_NE(frame.rfind("FC B1 10 A7 01 02", 0), 0u) << frame;
    if (frame.rfind("FC B1 10 A7 02 02", 0) == 0) ++groupBFrames;
  }
  EXPECT_EQ(groupBFrames, 15);
  EXPECT_EQ(link.model.DeviceValue(2, 5), 5);
  EXPECT_EQ(link.model.DeviceValue(1, 5), 200);  // group A as it was

  groupA->click();
  EXPECT_EQ(window->CurveColour(), QColor(0, 204, 255));
  EXPECT_EQ(Text("MicFreEdit1"), QStringLiteral("926.0"));  // group A's step 200
}

}  // namespace
}  // namespace fenwave
