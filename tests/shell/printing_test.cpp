// Printing: pages, breaks, headers and footers, the wheel, page setup.
#include "gui_fixture.h"

#include "core/graphics/picture_setup.h"
#include "shell/printing/print_picture.h"

class PrintingTests : public tGuiFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    void reportsPrintPageByPageWithHeaderAndFooter()
    {
        TNatalWindow* w = OpenNatal();
        w->InsAspects();
        w->InsAnalyse();  // several pages
        // A4 at 96 dpi, as images: one per page.
        const tPrintPage a4{794, 1123, 96};
        const auto print = [&](const tPrintLayout& layout, std::vector<QImage>& pages) {
            const auto blank = [&] {
                pages.emplace_back(a4.width, a4.height, QImage::Format_RGB32);
                pages.back().fill(Qt::white);
            };
            pages.clear();
            pages.reserve(64);
            blank();
            QPainter painter(&pages.back());
            const int n = PrintPages(painter, a4, *w->Text().document(), layout, [&] {
                painter.end();
                blank();
                painter.begin(&pages.back());
            });
            painter.end();
            return n;
        };
        const auto inked = [](const QImage& page, int from, int to) {
            for (int y = std::max(0, from); y < std::min(page.height(), to); ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (page.pixel(x, y) != 0xffffffff) return true;
            return false;
        };
        const int mm = 1000 * 96 / 2540;  // pixels in 10 mm, rounded down
        std::vector<QImage> pages;
        const int n = print({2500, 3000, 1500, 3000, "Elise Durand", "Footer text"}, pages);
        QVERIFY(n > 1);
        QCOMPARE(int(pages.size()), n);
        const int top = 3000 * 96 / 2540;
        for (const QImage& page : pages) {
            QVERIFY(inked(page, top - mm - 14, top - mm + 4));  // the header line, 10 mm above the text
            QVERIFY(inked(page, a4.height - 32 - 14, a4.height - 32 + 4));  // the footer line
        }
        // No header, no footer: the text starts at the top margin, nothing at the foot.
        print({2500, 2000, 1500, 2000, "", ""}, pages);
        const int text = 2000 * 96 / 2540;
        QVERIFY(!inked(pages[0], 0, text - 2));
        QVERIFY(inked(pages[0], text, text + 20));
        QVERIFY(!inked(pages[0], a4.height - 40, a4.height));
        // And to a PDF file through the printer.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string file = (home / "report.pdf").string();
        printer.setOutputFileName(QString::fromStdString(file));
        QVERIFY(w->PrintText(printer));
        std::string pdf;
        QVERIFY(ReadWholeFile(file, pdf));
        QCOMPARE(pdf.substr(0, 4), std::string("%PDF"));
    }

    // Page breaks keep an event's lines together and a heading with the
    // lines after it.
    void pageBreaksKeepEventsAndHeadingsWithTheirLines()
    {
        QTextDocument doc;
        doc.setDefaultFont(QFont("DejaVu Serif", 11));
        QTextCursor c(&doc);
        c.insertText("Heading A\n\n");
        for (int k = 0; k < 90; ++k) {
            if (k % 30 == 29) c.insertText(QString("Heading %1\n\n").arg(k));
            c.insertText(QString("Event %1 enters\nEvent %1 exact\nEvent %1 leaves\n\n").arg(k));
        }
        // As the transits table has them: no blank line, the moments indented.
        for (int k = 0; k < 60; ++k)
            c.insertText(QString("Transit %1 aspect\n\tTransit %1 enters\n\tTransit %1 exact\n\tTransit %1 leaves\n").arg(k));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = QString::fromStdString((home / "groups.pdf").string());
        printer.setOutputFileName(file);
        QVERIFY(PrintDocument(printer, doc, tPrintLayout{}, "groups"));
        QProcess pdftotext;
        pdftotext.start("pdftotext", {file, "-"});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        const QString all = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QStringList pages = all.split('\f');
        if (pages.last().trimmed().isEmpty()) pages.removeLast();
        QVERIFY(pages.size() >= 3);
        QCOMPARE(int(all.count("Event 89 leaves")), 1);  // nothing lost or printed twice
        for (const QString& page : pages) {
            // Every event on this page is whole; no page ends with a heading.
            for (int k = 0; k < 90; ++k) {
                const int n = int(page.count(QRegularExpression(QString("\\bEvent %1 (enters|exact|leaves)").arg(k))));
                QVERIFY2(n == 0 || n == 3, qPrintable(QString("event %1 split: %2 of 3 lines").arg(k).arg(n)));
            }
            for (int k = 0; k < 60; ++k) {
                const int n = int(page.count(QRegularExpression(QString("\\bTransit %1 ").arg(k))));
                QVERIFY2(n == 0 || n == 4, qPrintable(QString("transit %1 split: %2 of 4 lines").arg(k).arg(n)));
            }
            const QStringList lines = page.split('\n', Qt::SkipEmptyParts);
            QVERIFY2(!lines.last().startsWith("Heading"), qPrintable(lines.last()));
        }
    }

    void printAllHasHeaderFooterPagesAndTheWheel()
    {
        TMainOptions& o = program->Options();
        o.Header = true;
        o.Footer = "Quintara test footer";
        TNatalWindow* w = OpenNatal();
        w->First().Comment = "client";
        auto formatter = w->MakePrint();
        QCOMPARE(formatter->JobTitle(), QString("Durand Elise client"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString file = QString::fromStdString((home / "all.pdf").string());
        printer.setOutputFileName(file);
        QVERIFY(formatter->Print(printer, tPrintSections::All));
        const QString windowText = w->Text().toPlainText();

        QProcess pdftotext;
        pdftotext.start("pdftotext", {"-layout", file, "-"});
        QVERIFY2(pdftotext.waitForFinished(30000), "pdftotext (poppler-utils) is needed");
        QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split('\f');
        if (pages.last().trimmed().isEmpty()) pages.removeLast();
        QVERIFY(pages.size() >= 3);
        const int textPages = int(pages.size()) - 1;  // the wheel comes last
        for (int i = 0; i < textPages; ++i) {
            QVERIFY(pages[i].contains("Elise Durand"));
            QVERIFY(pages[i].contains("Quintara test footer"));
            QVERIFY(pages[i].contains(QRegularExpression(QString("\\b%1\\s*\\n").arg(i + 1))));
        }
        QVERIFY(pages[0].contains("Durand Elise client"));
        // The analysis ends the text: its last line is on the last text page.
        const QStringList printed = formatter->RichText().toPlainText().split('\n', Qt::SkipEmptyParts);
        QVERIFY(pages[textPages - 1].simplified().contains(printed.last().simplified().right(20)));
        // The wheel's page is framed as the text pages.
        QVERIFY(pages.last().contains("Quintara test footer"));
        QVERIFY(pages.last().contains("Elise Durand"));
        QVERIFY(pages.last().contains(QRegularExpression(QString("\\b%1\\s*\\n").arg(textPages + 1))));
        QCOMPARE(w->Text().toPlainText(), windowText);  // the window's text untouched

        // Formatters follow the window; an empty footer prints none.
        o.Footer.clear();
        tChart start;
        start.Assign(w->First());
        start.Year = 2024;
        CalcChart(start);
        auto* transits = NewTransits(w->First(), start, 0x7FCu, 1);
        frame->AddChild(transits);
        auto transitsPrint = transits->MakePrint();
        QVERIFY(dynamic_cast<tTransitsPrint*>(transitsPrint.get()));
        QVERIFY(transitsPrint->Print(printer, tPrintSections::ChartAndAspects));
        pdftotext.start("pdftotext", {"-layout", file, "-"});
        QVERIFY(pdftotext.waitForFinished(30000));
        const QString transitsText = QString::fromUtf8(pdftotext.readAllStandardOutput());
        QVERIFY(transitsText.contains(":00 = 0"));
        QVERIFY(!transitsText.contains("Quintara test footer"));
        auto* prev = NewPrevisions(w->First(), start, 3, 24);
        frame->AddChild(prev);
        QVERIFY(frame->Action("PrintChartAspects")->isEnabled());
        QVERIFY(!frame->Action("PrintAnalysis")->isEnabled());  // previsions have no interpretation
        QVERIFY(!frame->Action("PrintGraphic")->isEnabled());
    }

    // A wheel's page: every mark of the picture within the margins, the
    // header and footer lines outside them, lines at least half a point.
    void wheelPagesKeepWithinTheMargins()
    {
        TNatalWindow* w = OpenNatal();
        const tDocumentRequest wheel = *w->Wheel(false);
        TMainOptions& o = program->Options();
        tPictureCharts charts(o, *wheel.first, wheel.second, false);
        const tPictureContext ctx = MakePictureContext(o, program->Languages());
        tChartGraph picture(wheel.graph, charts.First(), charts.Second(), ctx);
        picture.Setup();
        picture.RecordGraph();
        const tPrintPage a4{2480, 3508, 300};
        QImage page(a4.width, a4.height, QImage::Format_RGB32);
        page.fill(Qt::white);
        const tPrintLayout layout{2500, 3000, 1500, 3000, "Elise Durand", "Footer text"};
        {
            QPainter painter(&page);
            PaintPicturePage(painter, a4, layout, 4,
                             [&](QPainter& p) { PrintPicture(p, picture, 1.0, true, 0, a4.dpi); });
        }
        const QRect area = PrintArea(a4, layout);
        int inside = 0, outside = 0;
        for (int y = 0; y < page.height(); y += 2)
            for (int x = 0; x < page.width(); x += 2) {
                if (page.pixel(x, y) == 0xffffffff) continue;
                if (area.contains(x, y))
                    ++inside;
                else if (y > area.top() && y < area.bottom())
                    ++outside;  // beside the picture, not header or footer
            }
        QVERIFY(inside > 1000);
        QCOMPARE(outside, 0);
        const auto inked = [&](int from, int to) {
            for (int y = from; y < to; ++y)
                for (int x = 0; x < page.width(); ++x)
                    if (page.pixel(x, y) != 0xffffffff) return true;
            return false;
        };
        QVERIFY(inked(0, area.top()));                 // the header
        QVERIFY(inked(area.bottom() + 1, a4.height));  // the footer
        // The zodiac circle on the left horizontal is at least 2 pixels (half a point at 300 dpi) wide.
        const int mid = area.top() + area.height() / 2;
        int x = area.left();
        while (x < area.right() && page.pixel(x, mid) == 0xffffffff) ++x;
        int width = 0;
        while (x + width < area.right() && page.pixel(x + width, mid) != 0xffffffff) ++width;
        QVERIFY2(width >= 2, qPrintable(QString::number(width)));
    }

    void pageSetupUsesTheMeasureUnitAndKeepsBadMarginsOpen()
    {
        TMainOptions& o = program->Options();
        program->Languages().MeasureUnit = 1;  // inches
        o.LeftMargin = 2500;
        TPageSetupDlg d(*program);
        QCOMPARE(d.LeftED->text(), QString("0.98"));
        d.LeftED->setText("1.00");
        d.TopED->setText("x");
        d.HeaderCB->setChecked(false);
        QTest::mouseClick(d.findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));  // stays open, nothing written
        QCOMPARE(o.LeftMargin, 2500);
        QVERIFY(o.Header);
        d.TopED->setText("0.79");
        QTest::mouseClick(d.findChild<QPushButton*>("OkBtn"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(o.LeftMargin, 2540);
        QCOMPARE(o.TopMargin, 2007);
        QVERIFY(!o.Header);
        o.Header = true;
        program->Languages().MeasureUnit = 0;
    }
};

GUI_TEST_MAIN(PrintingTests)
#include "printing_test.moc"
