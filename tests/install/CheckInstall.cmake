# Installs the build into a scratch prefix and checks that a desktop finds the program there:
# the executables, its desktop entry (with the version) and its icon.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

foreach(path bin/vardolin bin/vardolin-run share/applications/vardolin.desktop
             share/icons/hicolor/scalable/apps/vardolin.svg)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "not installed: ${path}")
    endif()
endforeach()

file(READ "${PREFIX}/share/applications/vardolin.desktop" entry)
foreach(line "Exec=vardolin" "Icon=vardolin" "Type=Application" "X-Vardolin-Version=1.00")
    string(FIND "${entry}" "${line}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "the desktop entry lacks ${line}")
    endif()
endforeach()
