// Vivarnon, physics of light, colour and waves for school.
// Copyright (C) 2026 the Vivarnon developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The yardstick for the program's start: a bare Qt program that starts, makes a white
// picture of the scripted mode's size (720 x 473) and saves it as PNG. Not part of the
// build; made and timed by hand beside `vivarnon --script` ("select 2", "save"):
//   g++ -O2 -fPIC bench/bare/blank_png.cpp $(pkg-config --cflags --libs Qt6Gui) -o blank_png
//   hyperfine -N './blank_png out.png' 'build/vivarnon --script start.txt'
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QImage picture(720, 473, QImage::Format_RGB32);
    picture.fill(0xFFFFFFFFu);
    return picture.save(argc > 1 ? argv[1] : "blank.png", "PNG") ? 0 : 1;
}
