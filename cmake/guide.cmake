# SPDX-FileCopyrightText: 2026 The Vellacor developers
# SPDX-License-Identifier: MIT
# The technician's guide (docs/guide.html.in), which every file we hand out
# carries: guide.html, and beside it guide.png, a picture of the window as
# that front end draws it. vellacor_guide(FOLDER PICTURE) makes both in
# FOLDER and sets VELLACOR_GUIDE to their paths.
function(vellacor_guide folder picture)
  configure_file(${PROJECT_SOURCE_DIR}/docs/guide.html.in ${folder}/guide.html @ONLY)
  configure_file(${picture} ${folder}/guide.png COPYONLY)
  set(VELLACOR_GUIDE ${folder}/guide.html ${folder}/guide.png PARENT_SCOPE)
endfunction()
