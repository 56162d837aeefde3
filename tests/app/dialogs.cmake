# Tests of the dialogs of the main window; included by tests/app/CMakeLists.txt
# into the program test_app. Paths relative to tests/app/.
find_package(Qt6 REQUIRED COMPONENTS Test)
# QTest's input helpers and QSignalSpy drive the widgets. link_libraries()
# reaches test_app, which is defined after this file is included.
link_libraries(Qt6::Test)
set(ZEVO_DIALOG_TEST_SOURCES
  tfogrundeinstellung_test.cpp
  tfofirma_test.cpp
  tfosuchenkfz_test.cpp
  tfomitarbeiter_test.cpp
)
