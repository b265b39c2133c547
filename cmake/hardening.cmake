# Every build is hardened as Debian builds its packages (dpkg-buildflags with hardening=+all):
# fortified string and memory calls, a strong stack protector, format checks, a
# position-independent program, and relocations made read-only and bound at start.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
# Fortifying needs the optimiser, so a Debug build (-O0) goes without; the -U keeps a compiler
# that fortifies by itself from warning about the definition made twice.
add_compile_options("$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
add_link_options(-Wl,-z,relro -Wl,-z,now)
