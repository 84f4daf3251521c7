# Runs in cpack after the files are installed into the staging folder and
# before the package is made from it: what dh_strip and dh_installdocs
# would do for a package built the Debian way.
set(root ${CPACK_TEMPORARY_DIRECTORY}/usr)
if(NOT EXISTS ${root}/bin/mestrel)
    message(FATAL_ERROR "prepare-package: no staged program in ${root}")
endif()

# Stripped as Debian strips, without the sections nothing at run time reads.
foreach(program mestrel mestrel-check)
    execute_process(
        COMMAND ${MESTREL_STRIP} --remove-section=.comment --remove-section=.note
                --strip-unneeded ${root}/bin/${program}
        RESULT_VARIABLE stripped)
    if(NOT stripped EQUAL 0)
        message(FATAL_ERROR "prepare-package: cannot strip ${program}")
    endif()
endforeach()

# The licence page links the texts of Qt's licences; every Debian system has
# them in /usr/share/common-licenses, so the package links there instead of
# shipping copies.
foreach(text GPL-3 LGPL-3)
    file(REMOVE ${root}/share/mestrel/Licenses/${text}.txt)
    file(CREATE_LINK ../../common-licenses/${text} ${root}/share/mestrel/Licenses/${text}.txt
         SYMBOLIC)
endforeach()

# file(INSTALL) would add cpack's DESTDIR once more.
configure_file(${MESTREL_LINTIAN_OVERRIDES} ${root}/share/lintian/overrides/mestrel COPYONLY)
