#!/bin/sh
# Starts the command-line companion installed under /opt/qor-euromillon.
exec /opt/qor-euromillon/qor-euromillon-cli "$@"
