// fenwave-pages DIR: pictures of every page of the main window, drawn without a display.
#include <QApplication>
#include <QTextStream>

#include "PagePictures.h"
#include "ui/MainFrm.h"

int main(int argc, char** argv) {
  // The pictures need no screen; a display is used only when the caller asks for one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QTextStream err(stderr);
  if (argc != 2) {
    err << "usage: fenwave-pages DIR\n";
    return 2;
  }
  fenwave::TForm1 window;
  window.show();
  const fenwave::PagePicturesResult result =
      fenwave::WritePagePictures(window, QString::fromLocal8Bit(argv[1]));
  QTextStream out(stdout);
  for (const QString& path : result.written)
    out << path << '\n';
  if (!result.error.isEmpty()) {
    err << "fenwave-pages: " << result.error << '\n';
    return 1;
  }
  return 0;
}
