// The Qt Quick item's tests need one QGuiApplication for the whole run.
#include <gtest/gtest.h>

#include <QGuiApplication>

#ifdef LED_LSAN_SUPPRESSIONS
// Under the sanitizers, Qt Quick's own leaks at exit (lsan.supp names them) are not ours;
// they are matched on whole stacks, which Qt's libraries (no frame pointers) need.
extern "C" const char* __lsan_default_options() {
  return "suppressions=" LED_LSAN_SUPPRESSIONS ":fast_unwind_on_malloc=0";
}
#endif

// Without a display (as when the test list is read at build time) the offscreen platform
// serves.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
