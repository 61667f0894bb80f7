# Where `cmake --install` puts the game, for any prefix (and DESTDIR):
#   bin/burdomir                                      the program
#   share/burdomir/sound/*.wav, share/burdomir/help/  its data
#   share/applications/burdomir.desktop               the desktop entry
#   share/icons/hicolor/{48x48,scalable}/apps/        its icon
# The program finds its data in ../share/burdomir beside itself (platform::DataPaths), so this
# layout is fixed here rather than taken from GNUInstallDirs. The cues are read relative to
# the working directory, so the desktop entry starts the program in share/burdomir.
if(NOT TARGET burdomir)
  return()
endif()

set(BURDOMIR_DATA_DESTINATION share/burdomir)

install(TARGETS burdomir RUNTIME DESTINATION bin)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/sound/ DESTINATION ${BURDOMIR_DATA_DESTINATION}/sound
        FILES_MATCHING PATTERN "*.wav")
install(DIRECTORY ${PROJECT_SOURCE_DIR}/help/ DESTINATION ${BURDOMIR_DATA_DESTINATION}/help)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/burdomir.png DESTINATION share/icons/hicolor/48x48/apps)
install(FILES ${PROJECT_SOURCE_DIR}/assets/desktop/burdomir.svg DESTINATION share/icons/hicolor/scalable/apps)

# The desktop entry names absolute paths, which are known only when the prefix is: it is
# written at install time from the template.
install(CODE "
  set(burdomir_desktop_template \"${PROJECT_SOURCE_DIR}/assets/desktop/burdomir.desktop.in\")
  set(burdomir_desktop_folder \"${CMAKE_CURRENT_BINARY_DIR}/desktop\")
  set(burdomir_data_destination \"${BURDOMIR_DATA_DESTINATION}\")
")
install(CODE [[
  get_filename_component(prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
  # Exec holds the program as one quoted argument: inside the quotes ", `, $ and \ take a
  # backslash, a literal % is doubled, and then, like every string value, each backslash
  # is doubled again. Path is a plain string value.
  set(program "${prefix}/bin/burdomir")
  string(REPLACE "\\" "\\\\" program "${program}")
  foreach(special "\"" "`" "$")
    string(REPLACE "${special}" "\\${special}" program "${program}")
  endforeach()
  string(REPLACE "%" "%%" program "${program}")
  string(REPLACE "\\" "\\\\" DESKTOP_EXEC "\"${program}\"")
  string(REPLACE "\\" "\\\\" DESKTOP_PATH "${prefix}/${burdomir_data_destination}")
  # One file per destination, so that installs into two prefixes at once do not write
  # each other's entry.
  string(MD5 destination "$ENV{DESTDIR}|${prefix}")
  set(burdomir_desktop_file "${burdomir_desktop_folder}/${destination}/burdomir.desktop")
  configure_file("${burdomir_desktop_template}" "${burdomir_desktop_file}" @ONLY)
  file(INSTALL DESTINATION "${prefix}/share/applications" TYPE FILE FILES "${burdomir_desktop_file}")
]])
