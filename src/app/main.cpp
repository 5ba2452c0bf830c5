// fenwave: the control application of the audio effect processor.
#include <QApplication>

#include "Application.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  fenwave::Application application(app);
  application.Show();
  return QApplication::exec();
}
