# 64-bit Linux, the host itself.
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(QZ_PLATFORM "linux-x64" CACHE STRING "" FORCE)
set(QZ_LIBRARY_SUFFIX "_x64" CACHE STRING "" FORCE)
