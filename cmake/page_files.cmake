# SPDX-License-Identifier: GPL-3.0-or-later
# Where a page folder's files go among the program's pictures. A page lives
# in screens/<topic>/formN/; the program looks its pictures up as
# pages/formN/<file>.svg and its manifest rows as manifest/formN.tsv, both
# under the pictures folder (bin/assets).
#
#   nizam_page_files(SCREENS FROM TO): FROM lists the source files, TO their
#   paths relative to the pictures folder, in the same order.
function(nizam_page_files screens from_var to_var)
  file(GLOB pictures LIST_DIRECTORIES false ${screens}/*/form*/*.svg)
  file(GLOB manifests LIST_DIRECTORIES false ${screens}/*/form*/manifest.tsv)
  set(from "")
  set(to "")
  foreach(f IN LISTS pictures manifests)
    get_filename_component(page_dir ${f} DIRECTORY)
    get_filename_component(page ${page_dir} NAME)
    get_filename_component(name ${f} NAME)
    list(APPEND from ${f})
    if(name STREQUAL "manifest.tsv")
      list(APPEND to manifest/${page}.tsv)
    else()
      list(APPEND to pages/${page}/${name})
    endif()
  endforeach()
  set(${from_var} ${from} PARENT_SCOPE)
  set(${to_var} ${to} PARENT_SCOPE)
endfunction()
