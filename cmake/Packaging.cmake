# The Debian package (`make package`): what `cmake --install` puts under /usr, with its
# dependencies worked out from the libraries the program and modules link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME clipstash)
set(CPACK_PACKAGE_VENDOR "Velmor Graphics")
set(CPACK_PACKAGE_CONTACT "Velmor Graphics <contact@velmor-graphics.example.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmor-graphics.example.com/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "collects every picture put on the clipboard as numbered files")
# One string (a list would join its lines with semicolons).
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Start monitoring, then every picture any program puts on the clipboard (the\n"
    "screen-grab key, Copy Image) becomes the next numbered JPEG or BMP file of a storage\n"
    "folder, the clipboard is emptied and Clipstash beeps. The grabs are listed beside a\n"
    "large thumbnail and can be saved in other formats, edited, viewed full screen or\n"
    "deleted.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's X11 platform plugin is loaded at run time, so no linked library names it; xdg-open is the
# default editor and opens the maker's links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
