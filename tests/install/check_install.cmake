# Installs the build into a fresh prefix and starts both programs through their bin/ links, from a
# folder that is not theirs: they must find their knowledge files beside the real executables.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

foreach(file lib/jiaming/jiaming lib/jiaming/jiaming-cli lib/jiaming/Velmora.dll lib/jiaming/KelBirth.dll
             lib/jiaming/jiaming-guide.html
             share/applications/jiaming.desktop share/metainfo/org.example.jiaming.metainfo.xml
             share/icons/hicolor/scalable/apps/jiaming.svg share/icons/hicolor/48x48/apps/jiaming.png)
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
foreach(link bin/jiaming bin/jiaming-cli)
  if(NOT IS_SYMLINK ${PREFIX}/${link})
    message(FATAL_ERROR "not a symbolic link: ${link}")
  endif()
endforeach()

execute_process(COMMAND ${PREFIX}/bin/jiaming-cli dbinfo WORKING_DIRECTORY /
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "Velmora.dll")
  message(FATAL_ERROR "installed jiaming-cli dbinfo failed (${status}):\n${out}${err}")
endif()

# The window program runs until it is closed: still running after a few seconds means it started.
execute_process(COMMAND env QT_QPA_PLATFORM=offscreen timeout 4 ${PREFIX}/bin/jiaming WORKING_DIRECTORY /
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 124)
  message(FATAL_ERROR "installed jiaming did not keep running (${status}):\n${out}${err}")
endif()

find_program(APPSTREAMCLI appstreamcli)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${PREFIX}/share/metainfo/org.example.jiaming.metainfo.xml
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "the AppStream metainfo does not validate:\n${out}${err}")
  endif()
endif()
file(REMOVE_RECURSE ${PREFIX})
