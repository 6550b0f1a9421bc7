# Install steps that depend on where the files finally go, so they run at install time, when the
# prefix is known (cmake --install --prefix, or /usr for the Debian package). Included by the
# install script with VENTRA_BUILD_FOLDER set to a scratch folder of the build. The steps that
# install are macros: file(INSTALL) lists what it installs (install_manifest.txt) in the scope
# it runs in, which must be the install script's.

# Sets `result` to `folder` as installed: relative folders are taken under the prefix.
function(ventra_installed_folder result folder)
  if(IS_ABSOLUTE "${folder}")
    set(${result} "${folder}" PARENT_SCOPE)
  else()
    set(${result} "${CMAKE_INSTALL_PREFIX}/${folder}" PARENT_SCOPE)
  endif()
endfunction()

# Installs `source` into `folder`, compressed the way Debian wants it (gzip -9, no name or time).
macro(ventra_install_gzipped source folder)
  get_filename_component(name "${source}" NAME)
  set(packed "${VENTRA_BUILD_FOLDER}/${name}.gz")
  execute_process(COMMAND gzip -9 -n -c "${source}" OUTPUT_FILE "${packed}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${source}")
  endif()
  ventra_installed_folder(destination "${folder}")
  file(INSTALL "${packed}" DESTINATION "${destination}" PERMISSIONS
       OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endmacro()

# Installs the manual page template `source` (NAME.SECTION.in) into `folder`/manSECTION, naming
# the installed folders in it.
macro(ventra_install_man_page source folder)
  get_filename_component(page "${source}" NAME_WLE)
  string(REGEX REPLACE "^.*\\." "" section "${page}")
  foreach(kind PROGRAM DATA DOC)
    ventra_installed_folder(path "${VENTRA_INSTALL_${kind}DIR}")
    # In roff a path is one word, never hyphenated, with plain ASCII hyphens.
    string(REPLACE "-" "\\-" path "${path}")
    set(VENTRA_${kind}_FOLDER "\\%${path}")
  endforeach()
  configure_file("${source}" "${VENTRA_BUILD_FOLDER}/${page}" @ONLY)
  ventra_install_gzipped("${VENTRA_BUILD_FOLDER}/${page}" "${folder}/man${section}")
endmacro()

# Links every file of the installed data folder into the installed program's folder.
macro(ventra_link_data_files)
  ventra_installed_folder(programFolder "${VENTRA_INSTALL_PROGRAMDIR}")
  ventra_installed_folder(dataFolder "${VENTRA_INSTALL_DATADIR}")
  file(RELATIVE_PATH target "${programFolder}" "${dataFolder}")
  set(links "${VENTRA_BUILD_FOLDER}/links")
  file(REMOVE_RECURSE "${links}")
  file(MAKE_DIRECTORY "${links}")
  file(GLOB dataFiles RELATIVE "$ENV{DESTDIR}${dataFolder}" "$ENV{DESTDIR}${dataFolder}/*")
  foreach(name IN LISTS dataFiles)
    file(CREATE_LINK "${target}/${name}" "${links}/${name}" SYMBOLIC)
    file(INSTALL "${links}/${name}" DESTINATION "${programFolder}")
  endforeach()
endmacro()
