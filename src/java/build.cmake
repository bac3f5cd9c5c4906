# The applet viewer: a small Java program of ours (current JDKs ship none), compiled with the
# JDK's javac into bin/appletviewer/ beside the executable.
set(APPLETVIEWER_SOURCES
  ${CMAKE_SOURCE_DIR}/src/java/run/appletviewer/AppletViewer.java
  ${CMAKE_SOURCE_DIR}/src/java/run/appletviewer/AppletTag.java
  ${CMAKE_SOURCE_DIR}/src/java/run/appletviewer/ViewerStub.java)
set(APPLETVIEWER_DIR ${OUT_DIR}/appletviewer)

find_program(JAVAC_EXECUTABLE javac
  HINTS /usr/lib/jvm/java-17-openjdk-amd64/bin $ENV{JAVA_HOME}/bin)
if(JAVAC_EXECUTABLE)
  add_custom_command(OUTPUT ${APPLETVIEWER_DIR}/quillmarsh/appletviewer/AppletViewer.class
    COMMAND ${CMAKE_COMMAND} -E make_directory ${APPLETVIEWER_DIR}
    COMMAND ${JAVAC_EXECUTABLE} --release 8 -Xlint:all -Xlint:-options
            -d ${APPLETVIEWER_DIR} ${APPLETVIEWER_SOURCES}
    DEPENDS ${APPLETVIEWER_SOURCES}
    COMMENT "Compiling the applet viewer")
  add_custom_target(appletviewer ALL DEPENDS ${APPLETVIEWER_DIR}/quillmarsh/appletviewer/AppletViewer.class)
else()
  message(WARNING "javac not found: the applet viewer is not built")
endif()
