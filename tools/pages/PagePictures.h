// Writes one picture of the main window per page: each page is shown through the page switch
// and the whole window is grabbed into DIR/pageN.png (N = page number + 1).
#pragma once

#include <QString>
#include <QStringList>

namespace fenwave {

class TForm1;

struct PagePicturesResult {
  QStringList written;  // file paths, page 1 first
  QString error;        // empty on success
};

// The window must exist (it need not be shown on a screen). Creates `directory` when missing.
[[nodiscard]] PagePicturesResult WritePagePictures(TForm1& window, const QString& directory);

}  // namespace fenwave
