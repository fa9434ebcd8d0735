# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT

cmake_minimum_required(VERSION 3.25)
# The program as shipped (stripped, as cpack ships it) must run from a USB
# stick on any Windows of its processor: a GUI program for that processor,
# with a manifest that names it and that Windows XP accepts, importing only DLLs that every Windows has,
# under 1 MiB, hardened (ASLR with its relocations, DEP, high-entropy ASLR
# where 64-bit, the stack protector), and
# carrying its icon and the project's version.
#   cmake -DPROGRAM=vellacor.exe -DOBJDUMP=... -DSTRIP=... -DWINDRES=...
#         -DFORMAT=pei-i386|pei-x86-64 -DVERSION=x.yy -P program_check.cmake
set(allowed ADVAPI32 COMCTL32 GDI32 KERNEL32 MSVCRT OLE32 OLEACC OLEAUT32 SHELL32 USER32)
set(shipped ${PROGRAM}.shipped)
execute_process(COMMAND ${STRIP} -o ${shipped} ${PROGRAM} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${OBJDUMP} -p ${shipped} OUTPUT_VARIABLE dump COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WINDRES} -i ${shipped} -O rc OUTPUT_VARIABLE resources
  COMMAND_ERROR_IS_FATAL ANY)
set(failed "")
# Reports what the regex's group found in the variable named, or fails.
function(expect what regex variable)
  if("${${variable}}" MATCHES "${regex}")
    message(STATUS "${what}: ${CMAKE_MATCH_1}")
  else()
    set(failed ${failed} "${what}" PARENT_SCOPE)
  endif()
endfunction()

if(FORMAT STREQUAL "pei-x86-64")
  set(arch amd64)
  set(hardening 0x160)  # HIGH_ENTROPY_VA, DYNAMIC_BASE, NX_COMPAT
else()
  set(arch x86)
  set(hardening 0x140)  # DYNAMIC_BASE, NX_COMPAT
endif()
expect("format" "file format (${FORMAT})\n" dump)
expect("subsystem" "Subsystem[\t ]+0+2[\t ]+(\\(Windows GUI\\))" dump)
string(REGEX MATCH "DllCharacteristics[\t ]+([0-9a-fA-F]+)" _ "${dump}")
math(EXPR flags "0x${CMAKE_MATCH_1}" OUTPUT_FORMAT HEXADECIMAL)
math(EXPR missing "~${flags} & ${hardening}")
message(STATUS "DllCharacteristics: ${flags}")
if(NOT missing EQUAL 0)
  list(APPEND failed "hardening (DllCharacteristics ${flags}, wants ${hardening})")
endif()
# ASLR moves only a program that carries its relocations.
expect("relocations" "Entry 5 [0-9a-fA-F]+ (0*[1-9a-fA-F][0-9a-fA-F]*) Base Relocation Directory" dump)
# The stack protector's check, linked in.
execute_process(COMMAND ${OBJDUMP} -t ${PROGRAM} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
expect("stack protector" "(__stack_chk_fail)" symbols)
file(STRINGS ${shipped} identity REGEX "assemblyIdentity type=\"win32\" name=\"Vellacor\"")
expect("manifest's processor" "processorArchitecture=\"(${arch})\"" identity)
# Windows XP refuses a trustInfo in any namespace but asm.v2.
file(STRINGS ${shipped} trust REGEX "<trustInfo ")
expect("manifest's trustInfo" "<trustInfo xmlns=\"(urn:schemas-microsoft-com:asm.v2)\"" trust)
expect("icon" "[0-9]+ 14 /\\* (RT_GROUP_ICON) \\*/" resources)
string(REPLACE "." "\\." version "${VERSION}")
expect("version" "VALUE \"ProductVersion\", \"(${version})\"" resources)

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
foreach(line IN LISTS imports)
  string(REGEX REPLACE "DLL Name: ([^.]+)\\.[dD][lL][lL]" "\\1" dll "${line}")
  string(TOUPPER "${dll}" dll)
  message(STATUS "imports ${dll}")
  if(NOT dll IN_LIST allowed)
    list(APPEND failed "imports ${dll}, which not every Windows has")
  endif()
endforeach()
file(SIZE ${shipped} size)
message(STATUS "size ${size} bytes")
if(size GREATER_EQUAL 1048576)
  list(APPEND failed "${size} bytes: not under 1 MiB")
endif()
if(failed)
  list(JOIN failed "; " failed)
  message(FATAL_ERROR "${failed}")
endif()
