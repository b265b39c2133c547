# Writes the site's service worker from its template: every file of the site (but the worker
# itself) in its list, and a version that changes whenever any of them does.
# Run with -DSITE=<site folder> -DFILES=<the site's files, by path, joined by commas>
# -DTEMPLATE=<sw.js.in>. The files are named, not found: whatever an older build left in the
# folder is not the site.
string(REPLACE "," ";" paths "${FILES}")
set(files)
foreach(path IN LISTS paths)
    file(RELATIVE_PATH name ${SITE} ${path})
    list(APPEND files ${name})
endforeach()
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
