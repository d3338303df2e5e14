#!/bin/sh
# Starts the program installed under /opt/qor-euromillon.
exec /opt/qor-euromillon/qor-euromillon "$@"
