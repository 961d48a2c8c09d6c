# The Debian package: `bash tools/package.sh` configures a Release build
# installed under /usr and runs cpack on it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillbox)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Orvantic)
set(CPACK_PACKAGE_CONTACT "Quillbox maintainers <maintainers@users.noreply.c-seed-a9979532.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop organiser for short notes and tasks")
# One string: cpack wraps it and marks the empty line as a paragraph break.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quillbox keeps short notes and tasks in folders, each a display name bound "
  "to a directory holding one small file per note. Its window shows the folders "
  "as a tree, the selected folder's notes as a list and panes with the note's "
  "text and properties. Notes can be searched and exported to text, HTML and "
  "PDF, or, with LibreOffice, to a new document or spreadsheet; tasks and "
  "journal notes are exchanged with calendar folders that todoman and "
  "vdirsyncer share.\n"
  "\n"
  "quillbox-cli lists, adds, changes, searches and exports notes from scripts.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "libreoffice-writer, libreoffice-calc, todoman")
# The desktop opens exported files and the help page through xdg-open; PDF
# export draws what its standard font lacks with these fonts (without them,
# a "?"), and Qt's own dialogs speak the user's language with the last.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-dejavu-core, fonts-droid-fallback, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Everything installs under the one prefix; no relocation.
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)
