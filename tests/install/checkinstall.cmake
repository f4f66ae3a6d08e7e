# Installs the build into a scratch prefix and checks that a user gets the program, its menu
# entry with the icon it names, and the examples.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path bin/lunaria libexec/lunaria-window share/applications/lunaria.desktop share/icons/hicolor/scalable/apps/lunaria.svg
             share/doc/lunaria/examples/family.txt share/doc/lunaria/examples/club.txt)
  if(NOT EXISTS "${PREFIX}/${path}")
    message(FATAL_ERROR "not installed: ${path}")
  endif()
endforeach()

file(READ "${PREFIX}/share/applications/lunaria.desktop" entry)
foreach(line "Exec=lunaria" "Icon=lunaria" "Type=Application")
  string(FIND "${entry}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the desktop entry lacks ${line}")
  endif()
endforeach()

# The installed lunaria finds lunaria-window, to which it hands the window and the printers:
# with no printer reachable, listing the printers names the PDF device alone.
execute_process(COMMAND "${PREFIX}/bin/lunaria" --list-printers RESULT_VARIABLE result OUTPUT_VARIABLE listed ERROR_VARIABLE said)
if(NOT result EQUAL 0 OR NOT listed MATCHES "PDF file")
  message(FATAL_ERROR "the installed lunaria did not hand --list-printers to lunaria-window: ${result} ${listed} ${said}")
endif()

# A control file's picture is named relative to it, so the pictures must come along.
file(STRINGS "${PREFIX}/share/doc/lunaria/examples/family.txt" pictures REGEX "^[Pp][Ii][Cc] ")
foreach(line ${pictures})
  string(REGEX REPLACE "^[Pp][Ii][Cc] +" "" picture "${line}")
  string(STRIP "${picture}" picture)
  if(NOT EXISTS "${PREFIX}/share/doc/lunaria/examples/${picture}")
    message(FATAL_ERROR "the family example's picture ${picture} is not installed")
  endif()
endforeach()
