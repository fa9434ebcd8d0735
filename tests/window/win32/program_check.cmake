# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT

cmake_minimum_required(VERSION 3.25)
# The program as shipped (stripped, as cpack ships it) must run from a USB
# stick on any Windows of its processor: a manifest that names it and that
# Windows XP accepts, under 1 MiB, with the stack protector, carrying its
# icon and the project's version. (Its header, hardening and DLLs:
# xp_imports.py --shipped.)
#   cmake -DPROGRAM=vellacor.exe -DOBJDUMP=... -DSTRIP=... -DWINDRES=...
#         -DFORMAT=pei-i386|pei-x86-64 -DVERSION=x.yy -P program_check.cmake
set(shipped ${PROGRAM}.shipped)
execute_process(COMMAND ${STRIP} -o ${shipped} ${PROGRAM} COMMAND_ERROR_IS_FATAL ANY)
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
else()
  set(arch x86)
endif()
# The stack protector's check, linked in.
execute_process(COMMAND ${OBJDUMP} -t ${PROGRAM} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
expect("format" "file format (${FORMAT})\n" symbols)
expect("stack protector" "(__stack_chk_fail)" symbols)
file(STRINGS ${shipped} identity REGEX "assemblyIdentity type=\"win32\" name=\"Vellacor\"")
expect("manifest's processor" "processorArchitecture=\"(${arch})\"" identity)
# Windows XP refuses a trustInfo in any namespace but asm.v2.
file(STRINGS ${shipped} trust REGEX "<trustInfo ")
expect("manifest's trustInfo" "<trustInfo xmlns=\"(urn:schemas-microsoft-com:asm.v2)\"" trust)
expect("icon" "[0-9]+ 14 /\\* (RT_GROUP_ICON) \\*/" resources)
string(REPLACE "." "\\." version "${VERSION}")
expect("version" "VALUE \"ProductVersion\", \"(${version})\"" resources)

file(SIZE ${shipped} size)
message(STATUS "size ${size} bytes")
if(size GREATER_EQUAL 1048576)
  list(APPEND failed "${size} bytes: not under 1 MiB")
endif()
if(failed)
  list(JOIN failed "; " failed)
  message(FATAL_ERROR "${failed}")
endif()
