#include "shell/canvas/picture_files.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <memory>

#include "core/graphics/chart_graphs.h"
#include "core/graphics/svg_canvas.h"
#include "core/platform/atomic_file.h"
#include "shell/canvas/qt_canvas.h"
#include "shell/canvas/qt_runtime.h"

namespace quintara {
namespace {

bool EndsWith(const std::string& s, const std::string& tail)
{
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

// The window's 90 percent, centred: a picture file keeps a margin all round.
tReplay Replay(int w, int h, const tPictureOptions& o)
{
    tReplay r = PageReplay(w, h, o.Zoom, o.Proportional, true);
    const tReplay full = PageReplay(w, h, 1.0, o.Proportional, false);
    r.OriginX += (full.PercentX - r.PercentX) * 50;
    r.OriginY += (full.PercentY - r.PercentY) * 50;
    return r;
}

}  // namespace

void EnsureGuiApplication()
{
    if (QGuiApplication::instance()) return;
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    PrepareQtRuntime();
    static int argc = 1;
    static char name[] = "quintara";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

std::string PictureSvg(tElement& picture, const tPictureOptions& o)
{
    tSvgCanvas svg(o.Width, o.Height, o.Background);
    picture.play(svg, Replay(svg.DeviceWidth(), svg.DeviceHeight(), o));
    return svg.Document();
}

QImage PictureImage(tElement& picture, const tPictureOptions& o)
{
    EnsureGuiApplication();
    QImage image(o.Width, o.Height, QImage::Format_RGB32);
    image.fill(ToQColor(o.Background));
    QPainter painter(&image);
    tQtCanvas canvas(painter, &image);
    picture.play(canvas, Replay(o.Width, o.Height, o));
    painter.end();
    return image;
}

bool KnownPictureFormat(const std::string& path)
{
    return EndsWith(path, ".svg") || EndsWith(path, ".png") || EndsWith(path, ".pdf");
}

bool WritePicture(tElement& picture, const std::string& path, const tPictureOptions& o, std::string& error)
{
    std::string bytes;
    if (!KnownPictureFormat(path)) {
        error = "the file must end in .svg, .png or .pdf";
        return false;
    }
    if (EndsWith(path, ".svg")) {
        bytes = PictureSvg(picture, o);
    } else {
        EnsureGuiApplication();
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        if (EndsWith(path, ".png")) {
            PictureImage(picture, o).save(&buffer, "PNG");
        } else {
            QPdfWriter pdf(&buffer);
            pdf.setResolution(96);
            pdf.setPageSize(QPageSize(QSizeF(o.Width * 72.0 / 96, o.Height * 72.0 / 96), QPageSize::Point));
            pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
            QPainter painter(&pdf);
            const int w = painter.device()->width(), h = painter.device()->height();
            painter.fillRect(0, 0, w, h, ToQColor(o.Background));
            tQtCanvas canvas(painter, nullptr);
            picture.play(canvas, Replay(w, h, o));
            painter.end();
        }
        bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    }
    if (bytes.empty()) {
        error = "nothing was drawn";
        return false;
    }
    return WriteFileAtomically(path, bytes, &error);
}

}  // namespace quintara
