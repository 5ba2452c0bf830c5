// The page switch: page codes, the page buttons painted as a radio group, the visibility of the
// shared EQ region and the graph, the curve colours and the hooks of the control binding.
#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <vector>

#include "WindowFixture.h"
#include "ui/BitmapButton.h"
#include "ui/PageTables.h"

namespace fenwave {
namespace {

class PageSwitchTest : public SharedWindowTest {
 protected:
  void TearDown() override { Window().SetHooks({}); }

  static void Press(int page) {
    QTest::mouseClick(Window().PageButtons()[static_cast<std::size_t>(page)], Qt::LeftButton);
  }
  static bool Shown(const char* name) { return Find(name)->isVisibleTo(&Window()); }
};

TEST(PageSwitchStartTest, BeforeTheFirstSwitchThePageCodeIsZeroAndStartUpIsNotComplete) {
  TForm1 window;
  EXPECT_EQ(window.PageCode(), 0);
  EXPECT_FALSE(window.StartupComplete());
  EXPECT_EQ(window.FormPageItem()->currentWidget()->objectName(),
            QStringLiteral("AdvTabSheet1_mus"));
}

TEST(PageCodeTest, TagPlusTheModuleInTheSecondByte) {
  const std::pair<int, int> cases[] = {{0, 0x0000},  {1, 0x0101}, {2, 0x0302}, {3, 0x0503},
                                       {4, 0x0704},  {5, 0x0605}, {6, 0x0806}, {7, 0x0907},
                                       {12, 0x090C}, {-1, 0x08FF}};
  for (const auto& [tag, code] : cases)
    EXPECT_EQ(PageCodeOf(tag), code) << "tag " << tag;
}

struct PageCase {
  int page;
  int code;
  const char* sheet;
  bool eqRegion;  // graph panel, band editor and dividers
  bool singDance;
};

TEST_F(PageSwitchTest, EachPageButtonShowsItsSheetAndItsPartOfTheSharedRegion) {
  const PageCase cases[] = {
      {0, 0x0000, "AdvTabSheet1_mus", true, true},    {1, 0x0101, "AdvTabSheet2_mic", true, false},
      {2, 0x0302, "AdvTabSheet3_Eff", true, false},   {3, 0x0503, "AdvTabSheet4_Main", true, true},
      {4, 0x0704, "AdvTabSheet5_Center", true, true}, {5, 0x0605, "AdvTabSheet6_Sub", true, true},
      {6, 0x0806, "AdvTabSheet7_sur", true, true},    {7, 0x0907, "AdvTabSheet8_Sys", false, false},
  };
  // Twice round, so that every page is also reached from the System page and back.
  for (int round = 0; round < 2; ++round) {
    for (const PageCase& c : cases) {
      Press(c.page);
      EXPECT_EQ(Window().PageCode(), c.code) << "page " << c.page;
      EXPECT_EQ(Window().FormPageItem()->currentWidget()->objectName(),
                QString::fromLatin1(c.sheet));
      for (const char* name :
           {"AdvPanel1", "EQCotrolGrop", "DiscurveGrop1", "DiscurveGrop2", "DiscurveGrop3"})
        EXPECT_EQ(Shown(name), c.eqRegion) << name << " on page " << c.page;
      EXPECT_EQ(Shown("SingleDiscoGrop"), c.singDance) << "page " << c.page;
    }
  }
}

TEST_F(PageSwitchTest, OnlyThePressedPageButtonShowsTheTemplatesDownPicture) {
  const BitmapButton* example = Window().ExampleBtn();
  const QImage down = example->picture(Picture::Down).toImage();
  const QImage up = example->picture(Picture::Up).toImage();
  ASSERT_NE(down, up);
  for (int pressed : {0, 5, 7, 2}) {
    Press(pressed);
    for (int page = 0; page < kPageCount; ++page) {
      const BitmapButton* button = Window().PageButtons()[static_cast<std::size_t>(page)];
      EXPECT_EQ(button->picture(Picture::Up).toImage(), page == pressed ? down : up)
          << "button " << page << " after pressing " << pressed;
      EXPECT_EQ(button->picture(Picture::Down).toImage(), down);
    }
  }
}

TEST_F(PageSwitchTest, MicrophoneGroupBColoursOnlyTheMicrophonePageOrange) {
  bool groupB = true;
  MainWindowHooks hooks;
  hooks.micGroupB = [&groupB] { return groupB; };
  Window().SetHooks(std::move(hooks));

  const QColor orange(255, 102, 0);
  const QColor cyan(0, 204, 255);
  const QColor labelCyan(199, 255, 255);
  Press(1);
  EXPECT_EQ(Window().CurveColour(), orange);
  EXPECT_EQ(Window().EqLabelFontColour(), orange);
  EXPECT_EQ(Window().EQlabel()->palette().color(QPalette::WindowText), orange);
  Press(3);
  EXPECT_EQ(Window().CurveColour(), cyan);
  EXPECT_EQ(Window().EqLabelFontColour(), labelCyan);
  EXPECT_EQ(Window().EQlabel()->palette().color(QPalette::WindowText), labelCyan);
  groupB = false;
  Press(1);
  EXPECT_EQ(Window().CurveColour(), cyan);
  EXPECT_EQ(Window().EqLabelFontColour(), labelCyan);
}

TEST_F(PageSwitchTest, CurveAndBandEditorHooksRunOnceEachWithTheNewPageCode) {
  std::vector<std::pair<char, int>> calls;
  MainWindowHooks hooks;
  hooks.redrawCurve = [&calls](int code) { calls.emplace_back('c', code); };
  hooks.pointBandEditor = [&calls](int code) { calls.emplace_back('e', code); };
  Window().SetHooks(std::move(hooks));

  Press(4);
  const std::vector<std::pair<char, int>> expected = {{'c', 0x0704}, {'e', 0x0704}};
  EXPECT_EQ(calls, expected);
}

}  // namespace
}  // namespace fenwave
