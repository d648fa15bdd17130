// The graphic windows: wheels, clicks, time graphs, pictures and the clock.
#include "gui_fixture.h"

class GraphicWindowTests : public tGuiFixture {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpCase(); }
    void cleanupTestCase() { TearDownCase(); }
    void cleanup() { Cleanup(); }

    void wheelWindowPaintsProportionallyAndTogglesBodies()
    {
        TNatalWindow* natal = OpenNatal();
        frame->OpenWheel(false);
        auto* g = dynamic_cast<TChartGraphWindow*>(frame->ActiveGraphic());
        QVERIFY(g);
        QVERIFY(frame->Action("ZoomIn")->isEnabled());
        // Wider than high: the height sets the scale and the picture is centred.
        g->ViewResized(QSize(1000, 500));
        tReplay r = g->Replay();
        QCOMPARE(r.PercentX, 45);  // Round(100 x 500 / 1000 x 0.9)
        QCOMPARE(r.PercentY, 90);
        QCOMPARE(r.OriginX, 2500);
        // The paint draws the wheel (antialiased, on the offscreen platform too).
        QImage shot(g->Picture()->size(), QImage::Format_RGB32);
        g->Picture()->render(&shot);
        int ink = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2) ink += shot.pixel(x, y) != 0xffffffff;
        QVERIFY2(ink > 2000, std::to_string(ink).c_str());
        g->ZoomIn();
        QCOMPARE(g->Replay().PercentX, 50);  // x 1.1
        QCOMPARE(g->Picture()->width(), 1100);  // larger than the view: it scrolls
        // Body buttons are down exactly when their body is shown.
        for (int b = 1; b <= 12; ++b) QCOMPARE(g->BodyButton(b)->isChecked(), g->GetShown(b));
        const bool moon = g->GetShown(2);
        QTest::mouseClick(g->BodyButton(2), Qt::LeftButton);
        QCOMPARE(g->GetShown(2), !moon);
        QCOMPARE(g->BodyButton(2)->isChecked(), !moon);
        QCOMPARE(natal->First().FindBody(2)->Visible, moon);  // the report's chart is untouched
        // II-XII: houses 14 to 24, but not the Midheaven.
        const bool mc = g->GetShown(22);
        const bool houses = g->GetShown(14);
        QTest::mouseClick(g->BodyButton(15), Qt::LeftButton);
        for (int n = 14; n <= 24; ++n)
            if (n != 22) QCOMPARE(g->GetShown(n), !houses);
        QCOMPARE(g->GetShown(22), mc);
        // A+ flips bit 1 of the aspect classes and rebuilds.
        const std::int32_t before = g->Chart1().EffectiveAspectTypes(program->Options().AspectTypes);
        QTest::mouseClick(g->AspectButton(1), Qt::LeftButton);
        QCOMPARE(g->Chart1().AspectTypes, before ^ 1);
        QCOMPARE(g->AspectButton(1)->isChecked(), ((before ^ 1) & 1) != 0);
        // One chart: the right button has no second chart to work on.
        g->ToggleBodies(3, true);
        QCOMPARE(g->GetShown(3), g->BodyButton(3)->isChecked());
    }

    void clicksOpenInformationAndEmptyDragsMoveNothing()
    {
        OpenNatal();
        frame->OpenWheel(false);
        TGraphicWindow* g = frame->ActiveGraphic();
        g->ViewResized(QSize(800, 800));
        // A corner holds no element: the graph's own information.
        QTest::mouseClick(g->Picture(), Qt::LeftButton, {}, QPoint(3, 790));
        auto* panel = dynamic_cast<TInfoDlg*>(g->InfoForm());
        QVERIFY(panel);
        QVERIFY(panel->Text().contains("1990"));
        QVERIFY(panel->InfoBtn->isHidden());  // the graph has no extended information
        // A drag from there moves nothing.
        const tPictureOptions o;
        const std::string before = PictureSvg(*g->Drawing(), o);
        g->Press(QPoint(3, 790));
        g->Move();
        g->Release(QPoint(400, 400), QPoint(400, 400));
        QCOMPARE(PictureSvg(*g->Drawing(), o), before);

        // The wheel's centre: its aspects, and "Info+" for the whole chart.
        QImage shot(800, 800, QImage::Format_RGB32);
        g->Picture()->render(&shot);  // places the elements
        QTest::mouseClick(g->Picture(), Qt::LeftButton, {}, QPoint(400, 400));
        auto* aspects = dynamic_cast<TWheelAspects*>(g->InfoForm());
        QVERIFY(aspects);
        QVERIFY(aspects->AspectsLB->topLevelItemCount() > 3);
        QCOMPARE(aspects->AspectsLB->topLevelItem(0)->columnCount(), 4);
        QTest::mouseClick(aspects->InfoBtn, Qt::LeftButton);
        // The extended windows open on the picture window (by name: the
        // dialogs have no meta-object of their own).
        const auto ExInfos = [](QWidget* owner) {
            QList<TExInfoDlg*> open;
            for (QDialog* d : owner->findChildren<QDialog*>("ExInfo"))
                if (d->isVisible()) open.push_back(static_cast<TExInfoDlg*>(d));
            return open;
        };
        auto extended = ExInfos(g);
        QCOMPARE(extended.size(), qsizetype{1});
        QCOMPARE(extended[0]->windowTitle(), QString("Durand"));
        QVERIFY(extended[0]->Text->toPlainText().size() > 200);
        extended[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // A planet: its position, and "Info +" for its interpretation, even
        // after the picture was rebuilt under the open panel.
        tElement* sun = nullptr;
        std::function<void(tElement&)> find = [&](tElement& e) {
            if (auto* p = dynamic_cast<tGPlanet*>(&e); p && p->Planet.Num == 1) sun = &e;
            for (std::size_t i = 0; i < e.Elements.size(); ++i) find(e.Child(i));
        };
        find(*g->Drawing());
        QVERIFY(sun);
        const QPoint at(sun->DeviceX, sun->DeviceY);
        QTest::mouseClick(g->Picture(), Qt::LeftButton, {}, at);
        panel = dynamic_cast<TInfoDlg*>(g->InfoForm());
        QVERIFY(panel && !panel->InfoBtn->isHidden());
        QVERIFY(panel->windowTitle().endsWith("Sun"));
        g->Rebuild();
        g->Picture()->render(&shot);
        QTest::mouseClick(panel->InfoBtn, Qt::LeftButton);
        extended = ExInfos(g);
        QCOMPARE(extended.size(), qsizetype{1});
        QVERIFY(extended[0]->windowTitle().endsWith("Sun"));
        extended[0]->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // A double click: the extended window, and its release opens no panel over it.
        if (g->InfoForm()) g->InfoForm()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QTest::mouseDClick(g->Picture(), Qt::LeftButton, {}, at);
        QCOMPARE(ExInfos(g).size(), qsizetype{1});
        QVERIFY(!g->InfoForm());
    }

    void transitLineGraphFromTheTransitsWindow()
    {
        tChart natal, start;
        Birth(natal);
        start.Assign(natal);
        start.Year = 2024;
        CalcChart(start);
        auto* w = NewTransits(natal, start, (1u << 5) | (1u << 6), 3);
        frame->AddChild(w);
        QVERIFY(frame->Action("Transitslinegraph")->isEnabled());
        const int proposed = w->ProposedLineGraphDays();
        QVERIFY(proposed >= 7 && proposed <= 30);
        // Mars chosen alone, then All planets again: body 0.
        WhenModal([proposed](QWidget* d) {
            QCOMPARE(d->findChild<QLineEdit*>("StepEd")->text(), QString::number(proposed) + ".00");
            auto* list = d->findChild<QListWidget*>("PlanetLB");
            auto* all = d->findChild<QCheckBox*>("AllCB");
            QVERIFY(all->isChecked());
            list->setCurrentRow(4);
            emit list->itemClicked(list->currentItem());
            QVERIFY(!all->isChecked());
            static_cast<QDialog*>(d)->accept();
        });
        frame->Action("Transitslinegraph")->trigger();
        auto* g = dynamic_cast<TTransLineGraphWindow*>(frame->ActiveGraphic());
        QVERIFY(g);
        QVERIFY(g->windowTitle().startsWith("Transit line graph: Durand"));
        QCOMPARE(g->Chart2().Name, std::string("Transits"));
        // Only the transiting bodies searched are shown.
        QVERIFY(g->Chart2().FindBody(5)->Visible && g->Chart2().FindBody(6)->Visible);
        QVERIFY(!g->Chart2().FindBody(1)->Visible && !g->Chart2().FindBody(7)->Visible);
        // The selected natal body alone among 1 to 12 of the natal chart.
        for (int n = 1; n <= 12; ++n) QCOMPARE(g->Chart1().FindBody(n)->Visible, n == 5);
        QVERIFY(g->AspectButton(1)->isHidden());
    }

    void picturesExportByTheirExtension()
    {
        OpenNatal();
        frame->OpenWheel(true);
        TGraphicWindow* g = frame->ActiveGraphic();
        QString error;
        for (const char* name : {"w.svg", "w.pdf", "w.png"}) {
            const std::string path = (home / name).string();
            QVERIFY2(g->Export(QString::fromStdString(path), error), name);
            std::string bytes;
            QVERIFY(ReadWholeFile(path, bytes));
            const std::string head = bytes.substr(0, 8);
            QVERIFY2(head.find(std::string(name).substr(2) == "svg" ? "<" : name[2] == 'p' && name[3] == 'd' ? "%PDF" : "PNG") !=
                         std::string::npos, name);
        }
        // Printed to a PDF file: one page with the picture.
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const std::string printed = (home / "printed.pdf").string();
        printer.setOutputFileName(QString::fromStdString(printed));
        QVERIFY(g->Print(printer));
        std::string pdf;
        QVERIFY(ReadWholeFile(printed, pdf));
        QCOMPARE(pdf.substr(0, 4), std::string("%PDF"));
        QVERIFY(pdf.size() > 3000);
        QVERIFY(!g->Export(QString::fromStdString((home / "w.wmf").string()), error));
        QVERIFY(!FileExists((home / "w.wmf").string()));
        g->Copy();
        QVERIFY(QApplication::clipboard()->mimeData()->hasImage());
        QVERIFY(QApplication::clipboard()->mimeData()->hasFormat("image/svg+xml"));
    }

    void clockStepsTicksOnlyWhenActiveAndCrossesTheYear()
    {
        tChart c;
        Birth(c);
        c.Year = 2000, c.Month = 1, c.Day = 1, c.Hour = 0, c.Minute = 1;
        auto* clock = new TClockWindow(*program, c, 3);
        frame->AddChild(clock);
        QCOMPARE(clock->Timer->interval(), 4000);
        clock->Slower();
        QCOMPARE(clock->Step, 2);
        clock->Slower();
        QCOMPARE(clock->Step, 2);
        clock->Reverse();
        QCOMPARE(clock->Step, -2);
        clock->Slower();
        QCOMPARE(clock->Step, -2);
        clock->Tick();  // 00:01 - 2 minutes: the last day of 1999
        QCOMPARE(int(clock->Chart1().Year), 1999);
        QCOMPARE(int(clock->Chart1().Month), 12);
        QCOMPARE(int(clock->Chart1().Day), 31);
        QCOMPARE(int(clock->Chart1().Hour), 23);
        QCOMPARE(int(clock->Chart1().Minute), 59);
        clock->Pause();
        clock->Tick();
        QCOMPARE(int(clock->Chart1().Minute), 59);  // paused
        clock->Pause();
        OpenNatal();  // another window is active: no tick
        clock->Tick();
        QCOMPARE(int(clock->Chart1().Minute), 59);
        QCOMPARE(int(c.Year), 2000);  // the caller's chart never moves
    }
};

GUI_TEST_MAIN(GraphicWindowTests)
#include "graphic_windows_test.moc"
