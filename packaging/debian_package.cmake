# `make package`: a Debian package of the installed files, built by CPack from the Release
# build. The MIME, menu and icon caches are updated by their own packages' triggers when
# dpkg unpacks files into their folders, so the package needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trochograph)
set(CPACK_PACKAGE_VENDOR "The Trochograph developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Trochograph team <team@trochograph.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw roulette curves: trochoids, roses and rolling ellipses")
# Wrapped for dpkg, which shows the lines as they are; CPack indents them and turns the
# empty line into the paragraph mark.
set(CPACK_PACKAGE_DESCRIPTION [[
Trochograph draws the curves traced by a pen fixed to a circle that rolls
round the outside or the inside of another circle (epitrochoids and
hypotrochoids), rose curves with rational or irrational k, and the rings of
an ellipse rolling round a circle. Every parameter can be set, the circles
can be animated as they roll, and pictures are saved as Targa images with
their parameters beside them in .rlt files; Fractint MAP palettes can be
loaded. Curves can also be drawn into Targa or PNG pictures from the command
line.

Trochograph Show (trochograph-ss) draws 29 preset curves full screen, among
them compound curves where a second circle rides on the first, and also runs
as an XScreenSaver hack.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://trochograph.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the one component, so that CPack's install writes its own manifest, not the one of
# a real `make install` from the same build folder.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${component};/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries the programs link come from dpkg-shlibdeps: libpng, and FFmpeg's libavcodec,
# libavformat, libswscale and libavutil for the films. On Debian 12 they hold all the
# plugins too: Qt's xcb platform plugin is part of libqt6gui6 and the multimedia backends
# of libqt6multimedia6, and libavcodec59 depends on libx264 and libvpx, whose H.264 and VP9
# encoders the films use. What no library names is the dialogs' typeface.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xscreensaver")

include(CPack)
