#include <gtest/gtest.h>

#include <QImage>

#include "core/graphics/display_list.h"
#include "core/platform/atomic_file.h"
#include "shell/canvas/picture_files.h"
#include "support/temp_dir.h"

namespace quintara {
namespace {

// A red ring around the centre of the page, flooded inside.
struct tRing : tElement {
    using tElement::tElement;
    void RecordGraph() override
    {
        tElement::RecordGraph();
        tRecordElement r(*this);
        r.SetColor(0x0000ff);
        r.Circle(5000, 5000, 2000);
        r.FloodFill(5000, 5000, 0x0000ff);
        r.SetColor(0x00ff00);
        r.Line(0, 0, 10000, 10000);
    }
};

TEST(PictureFiles, RasterFillsAreExactAndEveryFormatIsWritten)
{
    test::tTempDir dir;
    tDrawing root;
    root.Add<tRing>("ring");
    root.RecordGraph();
    tPictureOptions o;
    o.Width = o.Height = 200;
    std::string error;
    const std::string png = dir.File("ring.png");
    ASSERT_TRUE(WritePicture(root, png, o, error)) << error;
    QImage image(QString::fromStdString(png));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.pixelColor(100, 80).red(), 255);   // inside the ring, above the diagonal
    EXPECT_EQ(image.pixelColor(100, 80).green(), 0);
    EXPECT_EQ(image.pixelColor(10, 190).red(), 255);   // outside: the white page
    EXPECT_EQ(image.pixelColor(10, 190).green(), 255);

    for (const char* name : {"ring.pdf", "ring.svg"}) {
        ASSERT_TRUE(WritePicture(root, dir.File(name), o, error)) << error;
        std::string bytes;
        ASSERT_TRUE(ReadWholeFile(dir.File(name), bytes));
        EXPECT_TRUE(bytes.rfind("%PDF", 0) == 0 || bytes.rfind("<?xml", 0) == 0) << name;
    }
    EXPECT_FALSE(WritePicture(root, dir.File("ring.bmp"), o, error));
    EXPECT_NE(error.find(".png"), std::string::npos);
}

}  // namespace
}  // namespace quintara
