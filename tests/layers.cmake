# Fails when a lower layer includes a higher one: the core includes only the
# core, the report and the checker never the window, and nothing below the
# window uses widgets. Within the core the catalogue is below the record,
# the record below the file, and the file below the batch and the folder.
# Run as: cmake -DSRC=<src folder> -P layers.cmake
set(rules
    "core|window/|report/|resources/|check/|<QtWidgets|<QWidget|<QDialog|<QMessageBox|<QApplication"
    "core/catalogue|core/config/|core/file/|core/batch/|core/folder/"
    "core/config|core/file/|core/batch/|core/folder/"
    "core/file|core/batch/|core/folder/"
    "core/batch|core/folder/"
    "resources|window/|report/|check/|<QWidget"
    "report|window/|check/|<QWidget|<QDialog|<QMessageBox|<QApplication"
    "check|window/|<QWidget|<QDialog|<QMessageBox|<QApplication")
set(broken "")
foreach(rule IN LISTS rules)
    string(REPLACE "|" ";" parts "${rule}")
    list(POP_FRONT parts layer)
    file(GLOB_RECURSE sources ${SRC}/${layer}/*.h ${SRC}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include ")
        foreach(line IN LISTS includes)
            foreach(forbidden IN LISTS parts)
                string(FIND "${line}" "${forbidden}" at)
                if(NOT at EQUAL -1)
                    string(APPEND broken "${source}: ${line}\n")
                endif()
            endforeach()
        endforeach()
    endforeach()
endforeach()
if(broken)
    message(FATAL_ERROR "Includes that reach up a layer:\n${broken}")
endif()
