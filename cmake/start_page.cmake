# Writes the site's start page from its template with its start script inline.
# Run with -DTEMPLATE=<index.html.in> -DSCRIPT=<the minified start script> -DPAGE=<index.html>.
file(READ ${SCRIPT} KALDER_START_SCRIPT)
string(STRIP "${KALDER_START_SCRIPT}" KALDER_START_SCRIPT)
configure_file(${TEMPLATE} ${PAGE} @ONLY)
