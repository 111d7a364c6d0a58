# Installing Kestrelmark, and the Debian package CPack makes of the install
# (tools/package.sh builds it from a clean build folder).
add_subdirectory(packaging)
# The program registers itself per user, when it runs from its build folder,
# with the same menu entry and file types the package installs.
target_link_libraries(km_app PUBLIC km_packaging)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrelmark)
set(CPACK_PACKAGE_VENDOR "Quendrake Inc")
set(CPACK_PACKAGE_CONTACT "Quendrake Inc <kestrelmark@quendrake.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal reminders on a month calendar")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrelmark keeps reminders, each with a message, a date and a time of
day, a recurrence, an advance notice, an icon and a sound, shows them as
icons on a month calendar and lists the coming days. When a reminder falls
due its window comes forward, an alert shows the reminder and its sound
plays. Reminders are shared as reminder packs, exchanged as Outlook CSV and
iCalendar files and synced with a CalDAV calendar; kestrelmark-cli reads
and writes the same files from scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quendrake.com/kestrelmark/")
# The libraries the programs link come from dpkg-shlibdeps; Qt's platform
# plugins and the icon theme are loaded, not linked, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, hicolor-icon-theme")
# Qt's own dialogs (print, files) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "gnome-keyring")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
# The desktop's databases are brought up to date by the triggers of
# shared-mime-info, desktop-file-utils, the icon theme and man-db; the one
# maintainer script removes the users' login starts on purge.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
include(CPack)
