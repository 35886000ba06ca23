# The posix thread model gives std::mutex and std::thread (GoogleTest needs
# them); linked statically, its winpthread adds no DLL.
set(CMAKE_C_COMPILER ${TARVEK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TARVEK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${TARVEK_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TARVEK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# One self-contained file per program: no libgcc or libstdc++ DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
