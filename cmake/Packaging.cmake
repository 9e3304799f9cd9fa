# The Debian package (`cpack -G DEB`, see scripts/package.sh): everything `cmake --install`
# puts in place, with the library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME torvane)
set(CPACK_PACKAGE_VENDOR Quorlix)
set(CPACK_PACKAGE_CONTACT "Quorlix <torvane@quorlix.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "rename many files and folders at once")
set(CPACK_PACKAGE_DESCRIPTION
    "Torvane renames many files and folders in one go: build a configuration of renaming\n"
    "steps, see every new name live with a status light per file, rename them all in one\n"
    "run and revert it. torvane-cli does the same from a shell.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://quorlix.com/torvane/")
set(CPACK_PACKAGE_INSTALL_DIRECTORY torvane)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# GIO is loaded only when an item goes to the Trash, so dpkg-shlibdeps cannot see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libglib2.0-0")
# Moving to the Trash and the desktop's menus and file types work through these; Qt's own
# dialogs speak the session's language with its translations.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "dbus-user-session, shared-mime-info, desktop-file-utils, qt6-translations-l10n")
include(CPack)
