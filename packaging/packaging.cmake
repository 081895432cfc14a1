# Debian packages: `cpack` in the build folder makes kavrinmac_<version>.deb
# and, when the virtual camera is installed too, kavrinmac-virtual-camera.
if(NOT APPLE)
    include(${CMAKE_CURRENT_LIST_DIR}/linux/install.cmake)
    kavrin_install_package_files(application kavrinmac)
    if(KAVRIN_INSTALL_VIRTUAL_CAMERA)
        kavrin_install_package_files(virtualcamera kavrinmac-virtual-camera)
    endif()
endif()

set(CPACK_PACKAGE_NAME kavrinmac)
set(CPACK_PACKAGE_VENDOR "KavrinMac developers")
set(CPACK_PACKAGE_CONTACT "KavrinMac developers <packaging@kavrinmac.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision of the packaging (packaging/linux/changelog).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://kavrinmac.org)
set(CPACK_STRIP_FILES ON)
# Libraries are found by dpkg-shlibdeps; what Qt and GStreamer load at run
# time (the camera and player back ends, the decoders and encoders) is named,
# as scripts/install-deps installs it: a USB camera needs GStreamer's
# camerabin (plugins-bad), recording x264enc (plugins-ugly), mp4mux
# (plugins-good) and the AAC encoder (libav), its sound a PulseAudio source
# (plugins-good) or an ALSA one (gstreamer1.0-alsa). The Chinese and Japanese
# texts need a font with their glyphs, which no library links: without it
# they show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_APPLICATION_PACKAGE_NAME kavrinmac)
set(CPACK_DEBIAN_APPLICATION_PACKAGE_DEPENDS
    "libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-plugins-bad, gstreamer1.0-alsa, gstreamer1.0-libav, fonts-wqy-microhei")
# The virtual camera encodes its recordings itself, with x264enc and the
# AAC encoder.
set(CPACK_DEBIAN_VIRTUALCAMERA_PACKAGE_NAME kavrinmac-virtual-camera)
set(CPACK_DEBIAN_VIRTUALCAMERA_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-libav")
# A component's description is the package's: its first line the synopsis,
# the rest the extended description. (CPack would put a package summary,
# CPACK_PACKAGE_DESCRIPTION_SUMMARY, before each as a shared synopsis.)
set(CPACK_COMPONENT_APPLICATION_DESCRIPTION "Laparoscopic box trainer: live picture, timing, recording and history
KavrinMac is the full-screen, touch-operated application of a laparoscopic
box trainer: a box with a USB camera over a practice field, wired to a
touch-screen computer. Trainees practise keyhole-surgery skills while the
application shows the live picture, times the training, records it as MP4
and tracks the instruments, with four exercises and their targets, and a
history per account with playback, export and PDF reports.")
set(CPACK_COMPONENT_VIRTUALCAMERA_DESCRIPTION "Synthetic camera for KavrinMac demonstrations
A Qt Multimedia camera plugin that KavrinMac offers beside real cameras: it
shows a practice field with two moving instruments and records it like a
USB camera. For demonstrations and tests on machines without a camera; a
skills lab's training machine does not need it.")
set(CPACK_COMPONENT_VIRTUALCAMERA_DEPENDS application)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENTS_ALL application)
if(KAVRIN_INSTALL_VIRTUAL_CAMERA)
    list(APPEND CPACK_COMPONENTS_ALL virtualcamera)
endif()
include(CPack)
