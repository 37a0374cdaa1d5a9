# The files under resources/ that the program loads, compiled into every
# executable: RCDATA resources (plus cursors and icon) in Windows builds, a
# generated table in the native build.
set(TRAMVELT_DATA_RESOURCES
  MainForm.desc InfoForm.desc
  CheckWhite.bmp CheckYellow.bmp Meatball.bmp Label.bmp)
set(TRAMVELT_CURSOR_RESOURCES
  PRO_HANDPOINT=HandPoint.cur PRO_SMALLHANDPOINT=SmallHandPoint.cur PRO_GRABHAND=GrabHand.cur
  PRO_GRABHANDARROW=GrabHandArrow.cur PRO_DRAGHAND=DragHand.cur)

function(tramvelt_add_resources target)
  set(dir ${CMAKE_SOURCE_DIR}/resources)
  set(deps)
  foreach(file ${TRAMVELT_DATA_RESOURCES})
    list(APPEND deps ${dir}/${file})
  endforeach()
  if(WIN32)
    set(rc ${CMAKE_BINARY_DIR}/generated/resources.rc)
    set(text "")
    foreach(file ${TRAMVELT_DATA_RESOURCES})
      string(TOUPPER ${file} name)
      string(REPLACE "." "_" name ${name})
      string(APPEND text "${name} RCDATA \"${dir}/${file}\"\n")
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
    file(GENERATE OUTPUT ${rc} CONTENT "${text}")
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${deps}")
    add_library(${target} OBJECT ${rc})
  else()
    set(cpp ${CMAKE_BINARY_DIR}/generated/resources.cpp)
    add_custom_command(OUTPUT ${cpp}
      COMMAND ${CMAKE_COMMAND} -DOUT=${cpp} -DDIR=${dir} "-DFILES=${TRAMVELT_DATA_RESOURCES}"
              -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFiles.cmake
      DEPENDS ${deps} ${CMAKE_SOURCE_DIR}/cmake/EmbedFiles.cmake
      COMMENT "Embedding resources" VERBATIM)
    add_library(${target} OBJECT ${cpp})
  endif()
endfunction()
