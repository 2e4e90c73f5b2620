# The web page's site, put together from its parts once the program is
# built: every part under a name with a hash of its content, and the page,
# the web app manifest and the service worker written with those names.
set(QOB_SITE_TEMPLATES
  ${PROJECT_SOURCE_DIR}/res/web/index.html
  ${PROJECT_SOURCE_DIR}/res/web/manifest.webmanifest
  ${PROJECT_SOURCE_DIR}/res/web/sw.js)
set(QOB_MAKE_SITE ${PROJECT_SOURCE_DIR}/res/web/make_site.py)
add_custom_command(OUTPUT ${QOB_SITE_DIR}/index.html
  COMMAND ${QOB_SYSTEM_PYTHON} ${QOB_MAKE_SITE}
    ${QOB_SITE_PARTS_DIR} ${PROJECT_SOURCE_DIR}/res/web ${QOB_SITE_DIR}
  DEPENDS qob site_parts ${QOB_SITE_PART_FILES} ${QOB_SITE_TEMPLATES} ${QOB_MAKE_SITE}
  COMMENT "Putting the web page's site together"
  VERBATIM)
add_custom_target(site ALL DEPENDS ${QOB_SITE_DIR}/index.html)
