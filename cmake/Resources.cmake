# Files compiled into executables as resources, found at run time by file name
# (vcl::FindResourceData): RCDATA resources plus cursors and icon in Windows
# builds, a generated table in the native build.
set(TRAMVELT_DATA_RESOURCES
  MainForm.desc InfoForm.desc
  CheckWhite.bmp CheckYellow.bmp Meatball.bmp Label.bmp)
set(TRAMVELT_CURSOR_RESOURCES
  PRO_HANDPOINT=HandPoint.cur PRO_SMALLHANDPOINT=SmallHandPoint.cur PRO_GRABHAND=GrabHand.cur
  PRO_GRABHANDARROW=GrabHandArrow.cur PRO_DRAGHAND=DragHand.cur)

# tramvelt_add_resources(TARGET [OVERRIDE file...] [EXTRA file...]) makes the
# object library TARGET from the program's resources. OVERRIDE files (full
# paths) replace the program's file of the same name; EXTRA files are added.
function(tramvelt_add_resources target)
  cmake_parse_arguments(ARG "" "" "OVERRIDE;EXTRA" ${ARGN})
  set(dir ${CMAKE_SOURCE_DIR}/resources)
  set(files)
  foreach(file ${TRAMVELT_DATA_RESOURCES})
    set(path ${dir}/${file})
    foreach(override ${ARG_OVERRIDE})
      get_filename_component(name ${override} NAME)
      if(name STREQUAL file)
        set(path ${override})
      endif()
    endforeach()
    list(APPEND files ${path})
  endforeach()
  list(APPEND files ${ARG_EXTRA})
  set(out ${CMAKE_BINARY_DIR}/generated/${target})
  if(WIN32)
    set(text "")
    set(deps ${files})
    foreach(path ${files})
      get_filename_component(file ${path} NAME)
      string(TOUPPER ${file} name)
      string(REPLACE "." "_" name ${name})
      string(APPEND text "${name} RCDATA \"${path}\"\n")
    endforeach()
    foreach(entry ${TRAMVELT_CURSOR_RESOURCES})
      string(REPLACE "=" ";" pair ${entry})
      list(GET pair 0 name)
      list(GET pair 1 file)
      string(APPEND text "${name} CURSOR \"${dir}/${file}\"\n")
      list(APPEND deps ${dir}/${file})
    endforeach()
    string(APPEND text "MAINICON ICON \"${dir}/Tramvelt.ico\"\n")
    list(APPEND deps ${dir}/Tramvelt.ico)
    file(GENERATE OUTPUT ${out}/resources.rc CONTENT "${text}")
    set_source_files_properties(${out}/resources.rc PROPERTIES OBJECT_DEPENDS "${deps}")
    add_library(${target} OBJECT ${out}/resources.rc)
  else()
    add_custom_command(OUTPUT ${out}/resources.cpp
      COMMAND ${CMAKE_COMMAND} -DOUT=${out}/resources.cpp "-DFILES=${files}"
              -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFiles.cmake
      DEPENDS ${files} ${CMAKE_SOURCE_DIR}/cmake/EmbedFiles.cmake
      COMMENT "Embedding resources for ${target}" VERBATIM)
    add_library(${target} OBJECT ${out}/resources.cpp)
  endif()
endfunction()

# Links the objects of resource library RESOURCES into executable TARGET:
# nothing refers to a Windows resource object by symbol, so a static library
# would drop it.
function(tramvelt_link_resources target resources)
  target_sources(${target} PRIVATE $<TARGET_OBJECTS:${resources}>)
endfunction()
