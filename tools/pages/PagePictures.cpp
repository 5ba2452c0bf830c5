#include "PagePictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QPixmap>

#include "ui/MainFrm.h"

namespace fenwave {

PagePicturesResult WritePagePictures(TForm1& window, const QString& directory) {
  PagePicturesResult result;
  QDir dir(directory);
  if (!dir.mkpath(QStringLiteral("."))) {
    result.error = QStringLiteral("cannot create %1").arg(directory);
    return result;
  }
  for (int page = 0; page < kPageCount; ++page) {
    window.FormTabBtn1Click(window.PageButtons()[static_cast<std::size_t>(page)]);
    // Let the new page lay out and repaint before it is grabbed.
    QCoreApplication::processEvents();
    const QString path = dir.filePath(QStringLiteral("page%1.png").arg(page + 1));
    if (!window.grab().save(path, "PNG")) {
      result.error = QStringLiteral("cannot write %1").arg(path);
      return result;
    }
    result.written.append(path);
  }
  return result;
}

}  // namespace fenwave
