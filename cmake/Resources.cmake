# SPDX-License-Identifier: GPL-3.0-or-later
# Every file below resources/<TYPE>/ (and resources/screens/<window>/) is compiled
# into the program. The list is taken at configure time; CONFIGURE_DEPENDS makes the
# build re-read it when files are added or removed.
function(lxp_collect_resources out_var)
    set(root ${CMAKE_SOURCE_DIR}/resources)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS RELATIVE ${root}
        ${root}/DATA/* ${root}/CUSTOM/* ${root}/WORDS/* ${root}/LETTERS/* ${root}/AUDIO/*
        ${root}/DIALOG/* ${root}/BITMAP/* ${root}/CURSOR/* ${root}/ICON/* ${root}/screens/*)
    list(FILTER found EXCLUDE REGEX "(README|\\.md$|(^|/)\\.[^/]*$)")
    set(${out_var} ${found} PARENT_SCOPE)
endfunction()
