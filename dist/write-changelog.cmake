# Writes Debian's changelog of vardek-cli: changelog.in with the version,
# the maintainer and the release date (EPOCH, the last commit's time).
execute_process(COMMAND date -u -R -d @${EPOCH} OUTPUT_VARIABLE DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${SOURCE} ${OUTPUT} @ONLY)
