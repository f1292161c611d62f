# Cross-compiles the Windows deliverables with mingw-w64 (x86_64, posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(WOB_MINGW_PREFIX x86_64-w64-mingw32)

find_program(WOB_MINGW_CXX ${WOB_MINGW_PREFIX}-g++-posix)
find_program(WOB_MINGW_CC ${WOB_MINGW_PREFIX}-gcc-posix)
find_program(WOB_MINGW_RC ${WOB_MINGW_PREFIX}-windres)
if(NOT WOB_MINGW_CXX OR NOT WOB_MINGW_CC OR NOT WOB_MINGW_RC)
  message(FATAL_ERROR "mingw-w64 (posix) was not found. Install it with: "
                      "apt-get install -y g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix")
endif()
set(CMAKE_C_COMPILER ${WOB_MINGW_CC})
set(CMAKE_CXX_COMPILER ${WOB_MINGW_CXX})
set(CMAKE_RC_COMPILER ${WOB_MINGW_RC})

set(CMAKE_FIND_ROOT_PATH /usr/${WOB_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLL beside the executables: the runtime libraries are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
