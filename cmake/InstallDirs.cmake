# Where `cmake --install` (and the Debian package) put the program, under the GNU directories:
# sonivel-host in bin/, and the game in games/, where Debian keeps the programs of games (the GNU
# directories have no place of their own for them); the control library, built for one
# architecture, in a private folder under the library folder; the sounds and the help document,
# the same on every architecture, in a private folder under the data folder, linked into the
# first so that the game finds all of its files in one folder, the program's folder, as it does
# in a build.
include(GNUInstallDirs)

set(VENTRA_INSTALL_GAMESDIR "games" CACHE PATH "Where the game is installed (under the prefix)")
set(VENTRA_INSTALL_PROGRAMDIR "${CMAKE_INSTALL_LIBDIR}/ventrelle")
set(VENTRA_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/ventrelle")
# GNUInstallDirs names the documentation folder after the project; Debian wants the package.
set(VENTRA_INSTALL_DOCDIR "${CMAKE_INSTALL_DATAROOTDIR}/doc/ventrelle")

# The program's name on the desktop: its menu entry, its icon and its AppStream component.
set(VENTRA_APP_ID "org.ventrelle.Ventrelle")

# The game finds its installed folder relative to its own executable, whatever the prefix.
cmake_path(ABSOLUTE_PATH VENTRA_INSTALL_GAMESDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE gamesFolder)
file(RELATIVE_PATH VENTRA_PROGRAMDIR_FROM_GAMESDIR "${gamesFolder}"
     "${CMAKE_INSTALL_FULL_LIBDIR}/ventrelle")
