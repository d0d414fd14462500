// The Qt Quick item's tests need one QGuiApplication for the whole run.
#include <gtest/gtest.h>

#include <QGuiApplication>

// Without a display (as when the test list is read at build time) the offscreen platform
// serves.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
