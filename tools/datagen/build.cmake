# qmdatagen, the build-time data generator: the colour files of the built-in languages (from
# the highlighters' defaults), the colour presets, and the class member files of completion/
# (read with the JDK's javap). It writes below GENERATED_DATA_DIR; the appdata step copies the
# files beside the executable. DATAGEN_TARGETS names the targets that make them.
set(DATAGEN_DIR ${CMAKE_SOURCE_DIR}/tools/datagen)
set(DATAGEN_LIB_SOURCES
  ${DATAGEN_DIR}/ColorFiles.cpp ${DATAGEN_DIR}/ColorFiles.h
  ${DATAGEN_DIR}/JavapClasses.cpp ${DATAGEN_DIR}/JavapClasses.h
  ${DATAGEN_DIR}/JavapMember.cpp ${DATAGEN_DIR}/JavapMember.h
  ${DATAGEN_DIR}/MemberFiles.cpp ${DATAGEN_DIR}/MemberFiles.h)
add_library(qmdatagenlib STATIC ${DATAGEN_LIB_SOURCES})
target_include_directories(qmdatagenlib PUBLIC ${DATAGEN_DIR})
target_link_libraries(qmdatagenlib PUBLIC qmcore)

add_executable(qmdatagen ${DATAGEN_DIR}/main.cpp)
target_link_libraries(qmdatagen PRIVATE qmdatagenlib)
set_target_properties(qmdatagen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

# Colour files: made again whenever the tool changes (the highlighter defaults are linked in).
set(COLOR_OUTPUTS ${GENERATED_DATA_DIR}/colors/toc.col)
foreach(name Java HTML CSS PERL PHP XML)
  list(APPEND COLOR_OUTPUTS ${GENERATED_DATA_DIR}/colors/lang/${name}.ini)
endforeach()
foreach(name Classic Night Paper)
  list(APPEND COLOR_OUTPUTS ${GENERATED_DATA_DIR}/colors/${name}.ini)
endforeach()
add_custom_command(OUTPUT ${COLOR_OUTPUTS}
  COMMAND qmdatagen colors ${GENERATED_DATA_DIR}
  DEPENDS qmdatagen
  COMMENT "Making the colour files")
add_custom_target(colorfiles DEPENDS ${COLOR_OUTPUTS})
set(DATAGEN_TARGETS colorfiles)

# Member files: made again only when the class list or the generator's own sources change
# (javap takes seconds; a change elsewhere in the library does not touch them).
find_program(JAVAP_EXECUTABLE javap
  HINTS /usr/lib/jvm/java-17-openjdk-amd64/bin $ENV{JAVA_HOME}/bin)
if(JAVAP_EXECUTABLE)
  add_custom_command(OUTPUT ${GENERATED_DATA_DIR}/completion/toc.cmp
    COMMAND qmdatagen members ${JAVAP_EXECUTABLE} ${DATAGEN_DIR}/classes.txt ${GENERATED_DATA_DIR}
    DEPENDS ${DATAGEN_DIR}/classes.txt ${DATAGEN_DIR}/main.cpp ${DATAGEN_LIB_SOURCES}
    COMMENT "Making the class member lists with javap")
  add_custom_target(memberfiles DEPENDS ${GENERATED_DATA_DIR}/completion/toc.cmp)
  list(APPEND DATAGEN_TARGETS memberfiles)
else()
  message(WARNING "javap not found: the class member lists of completion/ are not made")
endif()
