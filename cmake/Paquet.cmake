# cpack -G DEB (in the build folder) builds orvane_<version>_<arch>.deb from the system
# layout, component "systeme"; the program folder of the default install is no package.
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orvane")
set(CPACK_PACKAGE_CONTACT "Orvane <maintainers@users.noreply.c-seed-e1514bee.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "symmetry on a grid for primary school pupils")
set(CPACK_PACKAGE_DESCRIPTION
    "Orvane lets pupils practise line and point symmetry on a grid: colour the mirror
cells, or draw the mirror image of segments, rectangles, circles and coloured areas.
It answers right or wrong, keeps each pupil's successes, and lets the teacher write
exercises and class lists. A school can keep every computer's class lists, exercises
and results in one shared folder named in /etc/orvane/dossier-commun.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY orvane)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from the program itself (dpkg-shlibdeps); what it loads at run
# time is named by hand: the platform plugins that open a window, the fonts its windows
# are designed for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
# Reading aloud needs the speech-dispatcher plug-in and a French voice; without them the
# program shows everything and says nothing.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "qt6-wayland, qt6-speech-speechd-plugin, speech-dispatcher, espeak-ng")
set(CPACK_GENERATOR DEB)
set(CPACK_COMPONENTS_ALL systeme)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
include(CPack)
