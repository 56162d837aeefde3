# The dialogs of the main window and the loaders they share with it; included
# by app/CMakeLists.txt into the library zevoui. Paths relative to app/.
set(ZEVO_DIALOG_SOURCES
  errormessage.cpp
  tfogrundeinstellung.cpp
  tfogrundeinstellung.ui
  tfosuchenkfz.cpp
  tfosuchenkfz.ui
  companyfile.cpp
  tfofirma.cpp
  tfofirma.ui
  employeelines.cpp
  employeelinedelegate.cpp
  tfomitarbeiter.cpp
  tfomitarbeiter.ui
)
