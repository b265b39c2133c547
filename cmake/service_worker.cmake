# Writes the site's service worker from its template: every file of the site (but the worker
# itself) in its list, and a version that changes whenever any of them does.
# Run with -DSITE=<site folder> -DTEMPLATE=<sw.js.in>.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
set(KALDER_SITE_FILES "\"./\"")
foreach(name IN LISTS files)
    file(SHA256 ${SITE}/${name} hash)
    string(APPEND hashes "${name}:${hash}\n")
    string(APPEND KALDER_SITE_FILES ", \"${name}\"")
endforeach()
string(SHA256 KALDER_SITE_VERSION "${hashes}")
string(SUBSTRING ${KALDER_SITE_VERSION} 0 16 KALDER_SITE_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
