# SPDX-FileCopyrightText: 2026 The Trevane developers
# SPDX-License-Identifier: MIT

# Read by cpack for each generator: the installer is named as Windows users
# expect a setup program to be; the zip keeps its name.
if(CPACK_GENERATOR STREQUAL "NSIS")
    set(CPACK_PACKAGE_FILE_NAME "trevane-${CPACK_PACKAGE_VERSION}-setup")
endif()
