# What CPack writes into the Debian package's control files. Depends holds what the player needs
# to show its songs, play them and speak at all; Recommends the Open JTalk voice, which reads
# Japanese with kanji (espeak-ng, always there, reads kana only): its three packages work only
# together, and the voice itself is in Debian's contrib section, which a package of main may
# recommend but not depend on. apt installs Recommends by default and skips one it cannot find.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME otopicco)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)  # otopicco_VERSION_ARCH.deb
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
  "Otopicco developers <maintainers@users.noreply.c-seed-8960115d.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keyboard-driven player of songs and stories for children")
set(CPACK_PACKAGE_DESCRIPTION [=[
Otopicco shows one large numbered button for each MP3 file of a music folder
and is driven from the keyboard alone, so that a child who cannot see a screen
well, or a switch or game pad that sends keystrokes, can work it. Each time a
song is chosen its number and title are spoken, in Japanese. A small menu lets
the teacher or parent choose another folder and read the help.
.
The songs live in ~/Otopicco/music, which the teacher changes without root;
the first start fills it with a few demo songs. Speech goes through
speech-dispatcher, with an Open JTalk voice that reads kanji where it is
installed.]=])
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_DEPENDS
  qt6-qpa-plugins                                              # Qt's windows on X11
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good          # playbin, MP3 decoding, sound out
  speech-dispatcher speech-dispatcher-espeak-ng
  pulseaudio-utils                                             # the Open JTalk voice's player
  fonts-ipafont-gothic                                         # the Japanese captions
  sound-theme-freedesktop libcanberra0 libcanberra-pulse)      # the alert sound (loaded by name)
string(JOIN ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS
  open-jtalk open-jtalk-mecab-naist-jdic hts-voice-nitech-jp-atr503-m001
  sox)                                                         # trims the voice's silences
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_SOURCE_DIR}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
include(CPack)
