// A recorded picture written to a file by its extension: .svg (the core's
// SVG canvas), .png (an image), .pdf (a page of the picture's size).
#pragma once

#include <string>

#include <QImage>

#include "core/graphics/display_list.h"

namespace quintara {

struct tPictureOptions {
    int Width = 1000, Height = 1000;  // pixels (PDF: points at 96 per inch)
    double Zoom = 1.0;
    bool Proportional = false;
    tColor Background = 0xffffff;
};

// The picture as an SVG document, and as an image with exact fills.
std::string PictureSvg(tElement& picture, const tPictureOptions& options);
QImage PictureImage(tElement& picture, const tPictureOptions& options);

// Whether the file's extension is .svg, .png or .pdf.
bool KnownPictureFormat(const std::string& path);

// Qt needs an application object for fonts: made on the offscreen platform
// when none exists yet.
void EnsureGuiApplication();

// Qt needs an application object for fonts: one on the offscreen platform
// is made when none exists. False with error when the file cannot be
// written or the extension is not one of the three.
bool WritePicture(tElement& picture, const std::string& path, const tPictureOptions& options, std::string& error);

}  // namespace quintara
