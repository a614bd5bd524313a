# 32-bit Linux (i386) on an x86-64 host with gcc's multilib support.
# SSE2 arithmetic instead of the x87 unit gives the 64-bit build's rounding.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-m32 -msse2 -mfpmath=sse")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-m32")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-m32")
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-i386)
set(QZ_PLATFORM "linux-x86" CACHE STRING "" FORCE)
set(QZ_LIBRARY_SUFFIX "" CACHE STRING "" FORCE)
