// The arrangement of every page at design size: captions fit their boxes, no two controls of a
// page lie on top of each other, nothing hides under the graph panel, the regions stand in
// their order, and each page shows the scale texts of its own rows.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyleOptionFrame>
#include <QTest>

#include "WindowFixture.h"
#include "ui/BitmapButton.h"
#include "ui/ControlKinds.h"
#include "ui/PageLayout.h"
#include "ui/Theme.h"

namespace fenwave {
namespace {

QString TextOf(const QWidget* w) {
  if (auto* label = qobject_cast<const QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(w)) return button->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(w)) return edit->text();
  if (auto* list = qobject_cast<const QComboBox*>(w)) return list->currentText();
  return {};
}

// Controls and captions: what the user reads or handles. Containers are left out.
bool IsLeaf(const QWidget* w) {
  if (qobject_cast<const QLabel*>(w)) return !TextOf(w).isEmpty();
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSlider*>(w) ||
         qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
         qobject_cast<const ValuePane*>(w);
}

class PageLayoutTest : public SharedWindowTest {
 protected:
  static void ShowPage(int page) {
    Window().FormTabBtn1Click(Window().PageButtons()[static_cast<std::size_t>(page)]);
    QCoreApplication::processEvents();
  }

  // The part of a widget the user can see, in window coordinates: its rectangle clipped by
  // every ancestor (a band column scrolled out of its strip sees nothing).
  static QRect SeenRect(const QWidget* w) {
    QRect seen(w->mapTo(&Window(), QPoint(0, 0)), w->size());
    for (const QWidget* p = w->parentWidget(); p && p != &Window(); p = p->parentWidget())
      seen &= QRect(p->mapTo(&Window(), QPoint(0, 0)), p->size());
    return seen;
  }

  // The visible leaves of the page shown (left column, title bar and graph included).
  static std::vector<const QWidget*> SeenLeaves() {
    std::vector<const QWidget*> leaves;
    for (const QWidget* w : Window().findChildren<QWidget*>()) {
      if (!w->isVisibleTo(&Window()) || !IsLeaf(w) || SeenRect(w).isEmpty()) continue;
      // The small pictures over a list's arrow lie there on purpose and let clicks through.
      if (w->testAttribute(Qt::WA_TransparentForMouseEvents)) continue;
      leaves.push_back(w);
    }
    return leaves;
  }

  static std::string Describe(const QWidget* w) {
    return (w->objectName().isEmpty() ? QStringLiteral("\"%1\"").arg(TextOf(w)) : w->objectName())
        .toStdString();
  }
};

TEST_F(PageLayoutTest, EveryCaptionFitsItsBox) {
  for (int page = 0; page < kPageCount; ++page) {
    ShowPage(page);
    for (const QWidget* w : SeenLeaves()) {
      const QString text = TextOf(w);
      if (text.isEmpty() || qobject_cast<const QComboBox*>(w)) continue;
      const QFontMetrics metrics(w->font());
      int room = w->contentsRect().width();
      if (auto* edit = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame()
                ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                : 0;
        room = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit).width() -
               edit->textMargins().left() - edit->textMargins().right() - 4;  // 2 px each side
      } else if (qobject_cast<const QAbstractButton*>(w)) {
        room -= 4;
      }
      const QStringList lines = text.split(QLatin1Char('\n'));
      for (const QString& line : lines)
        EXPECT_LE(metrics.horizontalAdvance(line), room)
            << Describe(w) << " \"" << line.toStdString() << "\" on page " << page;
      const int needed = lines.size() == 1 ? metrics.tightBoundingRect(text).height()
                                           : lines.size() * metrics.height();
      EXPECT_LE(needed, w->contentsRect().height()) << Describe(w) << " on page " << page;
    }
  }
}

TEST_F(PageLayoutTest, NoTwoControlsOverlap) {
  for (int page = 0; page < kPageCount; ++page) {
    ShowPage(page);
    const auto leaves = SeenLeaves();
    for (std::size_t i = 0; i < leaves.size(); ++i) {
      for (std::size_t j = i + 1; j < leaves.size(); ++j) {
        // The two halves of a spin button touch by design; their parent is one control.
        if (leaves[i]->parentWidget() == leaves[j]->parentWidget() &&
            qobject_cast<const SpinButtons*>(leaves[i]->parentWidget()))
          continue;
        EXPECT_FALSE(SeenRect(leaves[i]).intersects(SeenRect(leaves[j])))
            << Describe(leaves[i]) << " and " << Describe(leaves[j]) << " on page " << page;
      }
    }
  }
}

TEST_F(PageLayoutTest, PageContentStaysAboveTheGraphPanelAndInsideThePageArea) {
  const QRect area = Find("RzGroupBox2")->geometry();
  const int graphTop = Find("AdvPanel1")->mapTo(&Window(), QPoint(0, 0)).y();
  for (int page = 0; page < kSystemPage; ++page) {
    ShowPage(page);
    QWidget* sheet = Window().Sheet(page);
    for (const QWidget* w : SeenLeaves()) {
      if (!sheet->isAncestorOf(w) && !Find("EQCotrolGrop")->isAncestorOf(w) &&
          !Find("SingleDiscoGrop")->isAncestorOf(w))
        continue;
      const QRect r = SeenRect(w);
      EXPECT_LT(r.bottom(), graphTop) << Describe(w) << " on page " << page;
      EXPECT_LE(r.right(), area.right()) << Describe(w) << " on page " << page;
    }
  }
}

TEST_F(PageLayoutTest, RegionsStandInTheirOrder) {
  ShowPage(3);
  auto at = [](const char* name) { return Find(name)->mapTo(&Window(), QPoint(0, 0)); };
  // Title bar over everything; left column left of the page area; band strip, band editor and
  // the slider columns from left to right; the graph under the page content.
  EXPECT_EQ(Find("Image2")->geometry(), QRect(0, 0, 1136, 44));
  EXPECT_LT(Find("RzBmpButton2")->x(), Find("RzBmpButton1")->x());
  EXPECT_LT(Find("RzBmpButton1")->x(), Find("RzBmpButton3")->x());
  EXPECT_LT(at("FormTabBtn1").x() + 104, at("MainScrollBar").x());
  for (int i = 1; i < kPageCount; ++i)
    EXPECT_LT(Window().PageButtons()[i - 1]->y(), Window().PageButtons()[i]->y());
  EXPECT_LT(at("FormTabBtn8").y(), at("RzGroupBox103").y());
  EXPECT_LT(at("RzGroupBox103").y(), at("MUSBarBox").y());
  EXPECT_LT(at("MUSBarBox").y(), at("LinkBtn").y());
  EXPECT_EQ(at("LinkBtn").y(), at("UnLinkBtn").y());
  EXPECT_LT(at("LinkBtn").x(), at("UnLinkBtn").x());
  EXPECT_LT(at("SysMusNormalVolBar").x(), at("SysMicNormalVolBar").x());
  EXPECT_LT(at("SysMicNormalVolBar").x(), at("SysEffNormalVolBar").x());
  EXPECT_LT(at("SysMusNormalVolPane").y(), at("SysMusNormalVolBar").y());
  EXPECT_LT(at("MainScrollBar").y(), at("MainPanScrollBar").y());
  EXPECT_LT(at("MainScrollBar").y(), at("MainMusHPFreBar").y());
  EXPECT_LT(at("MainScrollBar").x(), at("EQCotrolGrop").x());
  EXPECT_LT(at("EQCotrolGrop").x(), at("MainMusLevelBar").x());
  EXPECT_LT(at("MainMusLevelBar").x(), at("DiscurveGrop1").x());
  EXPECT_LT(at("DiscurveGrop1").x(), at("MainRmsLevelBar").x());
  EXPECT_LT(at("MainRmsLevelBar").x(), at("DiscurveGrop2").x());
  EXPECT_LT(at("DiscurveGrop2").x(), at("MainLdelayBar").x());
  EXPECT_LT(at("MainLdelayBar").x(), at("DiscurveGrop3").x());
  EXPECT_LT(at("MainLdelayBar").y(), at("MainLmuteBtn").y());
  EXPECT_LT(at("MainMusLevelBar").y(), at("MainMicLevelBar").y());
  EXPECT_LT(at("MainRmsLevelBar").y(), at("MainRmsRatioBar").y());
  EXPECT_LT(at("EQResetBtn").y(), at("AdvPanel1").y());
  EXPECT_LT(at("RzBmpButton12").x(), at("MainEQAllpassBtn").x());
  // A level row: phase toggle, then the pane, then its unit, all above the slider.
  EXPECT_LT(at("MainMusPhaseBtn").x(), at("MainMusLevelPane").x());
  EXPECT_LT(at("MainMusLevelPane").y(), at("MainMusLevelBar").y());
  // Sing/dance box: mode buttons on the first row, bank buttons on the second.
  EXPECT_EQ(at("ManulModeBtn").y(), at("AutoModeBtn").y());
  EXPECT_LT(at("ManulModeBtn").x(), at("AutoModeBtn").x());
  EXPECT_LT(at("AutoModeBtn").y(), at("SingModeBtn").y());
  EXPECT_EQ(at("SingModeBtn").y(), at("DiscoModeBtn").y());
  // Subwoofer: high-pass panel above the low-pass panel.
  EXPECT_LT(at("SubMusHPFreBar").y(), at("SubMusHPuserQBar").y());
  EXPECT_LT(at("SubMusHPuserQBar").y(), at("SubMusHPType").y());
  EXPECT_LT(at("SubMusHPType").y(), at("SubMusLPFreBar").y());
}

TEST_F(PageLayoutTest, EachPageShowsTheScaleTextsOfItsOwnRows) {
  struct ScaleCase {
    int page;
    const char* text;
    bool present;
  };
  const ScaleCase cases[] = {
      {5, "±400%", true},
      {5, "±200%", false},
      {3, "±200%", true},
      {3, "±400%", false},
      {6, "±200%", true},
      {4, "+14dBu", true},
      {3, "Atk x 32", true},
      {3, "100.0ms", true},
      {2, "5000.0ms", true},
      {2, "200ms", true},
      {2, "±100%", true},
      {2, "-50%", true},
      {2, "19.7Hz", true},
      {2, "20600.0Hz", true},
      {1, "303Hz", true},
      {5, "303.0Hz", true},
      {5, "1.5", true},
      {0, "10段EQ", true},
      {1, "15段EQ", true},
      {2, "3段EQ", true},
      {4, "5段EQ", true},
      {3, "波特率斜率:", true},
      {6, "波特率斜率:", false},
      {0, "音乐输入", true},
      {5, "高通滤波器模式：", true},
      {5, "低通滤波器模式：", true},
  };
  for (const ScaleCase& c : cases) {
    bool found = false;
    for (const QLabel* label : Window().Sheet(c.page)->findChildren<QLabel*>())
      found = found || label->text() == QString::fromUtf8(c.text);
    EXPECT_EQ(found, c.present) << c.text << " on page " << c.page;
  }
  // The shared band editor's scales.
  QStringList editorTexts;
  for (const QLabel* label : Find("EQCotrolGrop")->findChildren<QLabel*>())
    editorTexts << label->text();
  for (const char* text : {"+12﹣", "+6 ﹣", " 0 ﹣", "-6 ﹣", "-12﹣", "-18 ﹣", "-24﹣", "128.00",
                           "0.40", "19.7Hz", "20600.0Hz", "增益", "Q值", "频率"})
    EXPECT_TRUE(editorTexts.contains(QString::fromUtf8(text))) << text;
}

TEST(ButtonPictureTest, ReleasedPressedAndDisabledPicturesAreToldApartAtAGlance) {
  const auto pictures = DrawButtonPictures(QSize(80, 28));
  auto centre = [&](Picture p) {
    return QColor(pictures[static_cast<std::size_t>(p)].toImage().pixel(40, 14));
  };
  const Picture kinds[] = {Picture::Up, Picture::Down, Picture::Disabled};
  for (Picture a : kinds) {
    for (Picture b : kinds) {
      if (a == b) continue;
      const QColor ca = centre(a);
      const QColor cb = centre(b);
      const int distance = std::abs(ca.red() - cb.red()) + std::abs(ca.green() - cb.green()) +
                           std::abs(ca.blue() - cb.blue());
      EXPECT_GE(distance, 30) << static_cast<int>(a) << " vs " << static_cast<int>(b);
    }
  }
}

TEST(ControlLookTest, AMarkedBandLabelAndAHighlightedGroupBoxShowIt) {
  QWidget host;
  host.setStyleSheet(theme::StyleSheet());
  auto* label = new ClickLabel(&host);
  label->setText(QStringLiteral("3"));
  label->setGeometry(0, 0, 67, 16);
  auto* group = new ColorGroupBox(&host);
  group->setGeometry(0, 20, 69, 22);
  host.resize(80, 50);
  host.show();

  const QImage plain = label->grab().toImage();
  label->SetMarked(true);
  const QImage marked = label->grab().toImage();
  EXPECT_NE(plain, marked);
  EXPECT_EQ(QColor(marked.pixel(4, 8)), QColor(34, 170, 214));  // opaque accent background
  label->SetMarked(false);
  EXPECT_EQ(label->grab().toImage(), plain);

  group->SetColor(QColor(68, 134, 255));
  const QColor border(group->grab().toImage().pixel(0, 11));
  EXPECT_GT(border.blue(), 200);  // the highlight colour on the border
  group->SetColor(QColor(153, 153, 153));
  const QColor grey(group->grab().toImage().pixel(0, 11));
  EXPECT_LT(std::abs(grey.red() - grey.blue()), 10);
}

}  // namespace
}  // namespace fenwave
