# Debian packages: `cpack` in the build folder makes kavrinmac_<version>.deb
# and, when the virtual camera is installed too, kavrinmac-virtual-camera.
set(CPACK_PACKAGE_NAME kavrinmac)
set(CPACK_PACKAGE_VENDOR "KavrinMac developers")
set(CPACK_PACKAGE_CONTACT "KavrinMac developers <kavrinmac@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Laparoscopic box trainer: live picture, timing, recording and history")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Libraries are found by dpkg-shlibdeps; what Qt and GStreamer load at run
# time (the camera and player back ends, the decoders and encoders) is named:
# a USB camera needs GStreamer's camerabin (plugins-bad), and its sound a
# PulseAudio source (plugins-good) or an ALSA one (gstreamer1.0-alsa). The
# Chinese and Japanese texts need a font with their glyphs, which no library
# links: without it they show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_APPLICATION_PACKAGE_NAME kavrinmac)
set(CPACK_DEBIAN_APPLICATION_PACKAGE_DEPENDS
    "libqt5multimedia5-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-ugly, gstreamer1.0-plugins-bad, gstreamer1.0-alsa, gstreamer1.0-libav, fonts-wqy-microhei")
set(CPACK_DEBIAN_VIRTUALCAMERA_PACKAGE_NAME kavrinmac-virtual-camera)
set(CPACK_DEBIAN_VIRTUALCAMERA_PACKAGE_DEPENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
set(CPACK_COMPONENT_APPLICATION_DESCRIPTION "The KavrinMac application")
set(CPACK_COMPONENT_VIRTUALCAMERA_DESCRIPTION "A synthetic camera for demonstrations without a USB camera")
set(CPACK_COMPONENT_VIRTUALCAMERA_DEPENDS application)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_COMPONENTS_ALL application)
if(KAVRIN_INSTALL_VIRTUAL_CAMERA)
    list(APPEND CPACK_COMPONENTS_ALL virtualcamera)
endif()
include(CPack)
