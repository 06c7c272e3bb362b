# Tests of the Debian package. packaging_debian_build makes it with the packaging command;
# packaging_debian_lintian checks it with lintian; packaging_debian_launcher runs the launcher on
# a home folder of its own with a stand-in player. packaging_debian_install installs the package
# into this machine, starts the installed player, removes and purges the package again: it
# changes the machine, carries the label "machine", and runs only as root or with
# OTOPICCO_PACKAGE_TESTS=1 (OTOPICCO_PACKAGE_TESTS=0 skips it even as root).
set(otopicco_deb_dir ${CMAKE_CURRENT_BINARY_DIR}/debian)
set(otopicco_deb_env
  OTOPICCO_VERSION=${PROJECT_VERSION}
  OTOPICCO_DEB_DIR=${otopicco_deb_dir}
  OTOPICCO_LAUNCHER_TEMPLATE=${PROJECT_SOURCE_DIR}/packaging/linux/otopicco.sh.in)

function(otopicco_deb_test name script)
  add_test(NAME ${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${script})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "${otopicco_deb_env}" ${ARGN})
endfunction()

otopicco_deb_test(packaging_debian_build debian_build.sh
  TIMEOUT 900 LABELS packaging FIXTURES_SETUP otopicco_deb)
otopicco_deb_test(packaging_debian_lintian debian_lintian.sh
  TIMEOUT 300 LABELS packaging FIXTURES_REQUIRED otopicco_deb)
otopicco_deb_test(packaging_debian_launcher debian_launcher.sh
  TIMEOUT 120 LABELS packaging)
otopicco_deb_test(packaging_debian_install debian_install.sh
  TIMEOUT 900 FIXTURES_REQUIRED otopicco_deb SKIP_RETURN_CODE 77)
set_tests_properties(packaging_debian_install PROPERTIES LABELS "packaging;machine")
