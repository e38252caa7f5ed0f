# SPDX-License-Identifier: GPL-3.0-or-later
# The program's layers and which way their includes may point:
#   runtime/   the core's own types and the interfaces it offers the platform:
#              itself and the C++ standard library only
#   media/     animations and outside programs: runtime/ and itself
#   screens/   the pages: runtime/, media/ and itself
#   platform/  the Qt desktop: never app/ (the navigation) nor screens/
# The core (runtime/, media/, screens/) includes no header but the standard
# library's in angle brackets: no Qt, no system header. Every offending line
# is listed, and the check fails if there is one.
#
#   cmake -DROOT=<source folder> -P layers_test.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "usage: cmake -DROOT=<source folder> -P layers_test.cmake")
endif()

set(allowed_runtime runtime/)
set(allowed_media runtime/ media/)
set(allowed_screens runtime/ media/ screens/)
set(allowed_platform runtime/ media/ platform/)
set(standard_only runtime media screens)

# The headers of the C++20 standard library, those inherited from C included.
set(standard_headers
  algorithm any array atomic barrier bit bitset charconv chrono codecvt compare complex concepts
  condition_variable coroutine deque exception execution expected filesystem format forward_list
  fstream functional future initializer_list iomanip ios iosfwd iostream istream iterator latch
  limits list locale map memory memory_resource mutex new numbers numeric optional ostream queue
  random ranges ratio regex scoped_allocator semaphore set shared_mutex source_location span
  sstream stack stdexcept stop_token streambuf string string_view syncstream system_error thread
  tuple type_traits typeindex typeinfo unordered_map unordered_set utility valarray variant vector
  version
  cassert cctype cerrno cfenv cfloat cinttypes climits clocale cmath csetjmp csignal cstdarg
  cstddef cstdint cstdio cstdlib cstring ctime cuchar cwchar cwctype)

set(faults 0)
foreach(layer runtime media screens platform)
  file(GLOB_RECURSE sources ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.hpp ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.cc)
  list(SORT sources)
  foreach(source ${sources})
    file(RELATIVE_PATH name ${ROOT} ${source})
    file(STRINGS ${source} lines)
    set(number 0)
    foreach(line IN LISTS lines)
      math(EXPR number "${number} + 1")
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        set(header ${CMAKE_MATCH_1})
        set(ok FALSE)
        foreach(prefix ${allowed_${layer}})
          string(FIND "${header}" "${prefix}" at)
          if(at EQUAL 0)
            set(ok TRUE)
          endif()
        endforeach()
        if(NOT ok)
          message("${name}:${number}: ${layer}/ may not include \"${header}\"")
          math(EXPR faults "${faults} + 1")
        endif()
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]+)>")
        set(header ${CMAKE_MATCH_1})
        if(layer IN_LIST standard_only AND NOT header IN_LIST standard_headers)
          message("${name}:${number}: ${layer}/ may include the standard library only, not <${header}>")
          math(EXPR faults "${faults} + 1")
        endif()
      endif()
    endforeach()
  endforeach()
endforeach()

if(faults GREATER 0)
  message(FATAL_ERROR "${faults} include(s) against the layers")
endif()
message("the includes point one way")
