#!/bin/sh
# Takes the window pictures of the help pages (HelpShared/*.png) from the
# running window on a virtual screen of a fixed size, at 100 %, with Qt's
# own style and colours, so the same sources give the same pictures on any
# desk.
#   help-pictures.sh BUILD_DIR [OUTPUT_FOLDER]
set -e
build_dir=${1:?usage: help-pictures.sh BUILD_DIR [OUTPUT_FOLDER]}
output=${2:-HelpShared}

unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR \
    QT_ENABLE_HIGHDPI_SCALING QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_FONT_DPI
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8

xvfb-run --auto-servernum --server-args='-screen 0 1920x1080x24 -dpi 96 -nolisten tcp' \
    "$build_dir/tools/helppictures" "$output"
