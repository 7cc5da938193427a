# What the build tells about the product, once for every file it writes:
# the Windows programs' version resources, the Linux metainfo and manual
# page. (The programs' own texts are in common/names.h.)
set(BLAZEMERE_PRODUCT_NAME "Blazemere (ScreenSaver)")
set(BLAZEMERE_INTERNAL_NAME "Blazemere")
set(BLAZEMERE_VERSION_TEXT "1.00")
set(BLAZEMERE_VERSION_NUMBERS 1,0,0,0)
set(BLAZEMERE_RELEASE_DATE 2026-12-07)
# The project's site, which publishes the repository's docs/ folder at the
# same path; software centres fetch the metainfo's screenshots from there, as
# AppStream accepts only web addresses for them (no file or relative ones).
set(BLAZEMERE_HOMEPAGE https://blazemere.example.org/)
