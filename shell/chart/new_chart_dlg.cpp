#include "shell/chart/new_chart_dlg.h"

#include <cmath>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/chart/chart_input.h"
#include "core/chart/chart_settings.h"
#include "core/chart/date_text.h"
#include "core/data/chart_entry.h"
#include "core/engine/angles.h"
#include "core/engine/houses.h"
#include "core/i18n/caption_ids.h"
#include "shell/chart/house_zodiac_fields.h"
#include "shell/data/city_file_dlg.h"
#include "shell/options/options_dlg.h"
#include "shell/platform/program.h"
#include "shell/widgets/coordinate_field.h"
#include "shell/widgets/dialog_buttons.h"
#include "shell/widgets/help_window.h"
#include "shell/widgets/moment_fields.h"

namespace quintara {

namespace {

QString Packed(double v, int width, int decimals = 2)
{
    return QString::number(v, 'f', decimals).rightJustified(width);
}

QLineEdit* Edit(QWidget* parent, const char* name, int length)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    if (length) e->setMaxLength(length);
    return e;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& text)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TNewChartDlg::TNewChartDlg(tProgram& p, tChart& c, QWidget* parent) : QDialog(parent), program(p), chart(c)
{
    setObjectName("TNewChartDlg");
    setWindowTitle(p.Caption(caption::kNewChart));
    // Names keep to their fields' lengths in the chart file.
    Name1 = Edit(this, "Name1", 30);
    FirstName1 = Edit(this, "FirstName1", 30);
    Comment1 = Edit(this, "Comment1", 30);
    Ref1 = Edit(this, "Ref1", 10);
    MaleBtn = new QRadioButton(p.Caption(caption::kMale), this);
    MaleBtn->setObjectName("MaleBtn");
    FemaleBtn = new QRadioButton(p.Caption(caption::kFemale), this);
    FemaleBtn->setObjectName("FemaleBtn");
    CityEd = Edit(this, "CityEd", 30);
    LookupCB = new QCheckBox(p.Caption(caption::kLookUpLocality), this);
    LookupCB->setObjectName("LookupCB");
    CityBtn = Button(this, "CityBtn", ">>>");
    CountryDBLbl = new QLabel(this);
    CountryDBLbl->setObjectName("CountryDBLbl");
    CityDBLbl = new QLabel(this);
    CityDBLbl->setObjectName("CityDBLbl");
    PopulEd = new QLabel(this);
    PopulEd->setObjectName("PopulEd");
    LatEd = Edit(this, "LatEd", 6);
    NSBtn = new THemisphereButton(p, THemisphereButton::kLatitude, "NSBtn", this);
    LongEd = Edit(this, "LongEd", 7);
    EWBtn = new THemisphereButton(p, THemisphereButton::kLongitude, "EWBtn", this);
    PlusBtn = Button(this, "PlusBtn", "+");
    LongTEd = Edit(this, "LongTEd", 5);
    LongTEd->setInputMask("99:99;_");
    // No input mask: a mask would cut a fifth digit of the year silently.
    DateEd = new TDateField(p, "DateEd", false, this);
    DateEd->setPlaceholderText(QString::fromStdString(p.Languages().DateFormatString));
    TimeEd = new TTimeField(p, "TimeEd", this);
    NoTimeBtn = new QCheckBox(p.Caption(caption::kTimeUnknown), this);
    NoTimeBtn->setObjectName("NoTimeBtn");
    AdjustEd = Edit(this, "AdjustEd", 9);
    AdjustEd->setToolTip("Hours.minutes added to the clock time to give UT (Paris in winter: -1.00), "
                         "UTC+1 or UTC+01:00, or auto");
    ZoneUtcLbl = new QLabel(this);
    ZoneUtcLbl->setObjectName("ZoneUtcLbl");
    Settings = new THouseZodiacFields(p, this);
    OptionsBtn = Button(this, "OptionsBtn", p.Caption(caption::kPreferences));
    connect(OptionsBtn, &QPushButton::clicked, this, [this] {
        TOptionsDlg options(program, 1, this);
        if (options.exec() != QDialog::Accepted) return;
        // What was just chosen there is what this chart is wanted in.
        tChart chosen;
        chosen.HouseType = static_cast<std::uint8_t>(program.Options().HouseType);
        SetZodiac(chosen, program.Options().ZodiacChoice());
        Settings->Show(chosen, chosen.HouseType, program.Options().ZodiacChoice());
    });

    QDialogButtonBox* buttons = DialogButtons(p, this, kHelpContext);
    OkBtn = OkButton(buttons);

    // Layout: names, place, coordinates, moment; tab order follows it.
    auto* names = new QGridLayout;
    const auto label = [&](int caption, QWidget* buddy) {
        auto* l = new QLabel(program.Caption(caption), this);
        l->setBuddy(buddy);
        return l;
    };
    names->addWidget(label(caption::kName, Name1), 0, 0);
    names->addWidget(Name1, 0, 1);
    names->addWidget(label(caption::kFirstName, FirstName1), 1, 0);
    names->addWidget(FirstName1, 1, 1);
    names->addWidget(label(caption::kComment, Comment1), 2, 0);
    names->addWidget(Comment1, 2, 1);
    names->addWidget(label(caption::kReference, Ref1), 3, 0);
    names->addWidget(Ref1, 3, 1);
    auto* sex = new QHBoxLayout;
    sex->addWidget(MaleBtn);
    sex->addWidget(FemaleBtn);
    sex->addStretch();
    names->addLayout(sex, 4, 1);

    auto* placeBox = new QGroupBox(p.Caption(caption::kLocality), this);
    auto* placeGrid = new QGridLayout(placeBox);
    placeGrid->addWidget(CityEd, 0, 0, 1, 3);
    placeGrid->addWidget(CityBtn, 0, 3);
    placeGrid->addWidget(LookupCB, 1, 0, 1, 4);
    placeGrid->addWidget(new QLabel(p.Caption(caption::kCountry), this), 2, 0);
    placeGrid->addWidget(CountryDBLbl, 2, 1, 1, 3);
    placeGrid->addWidget(new QLabel(p.Caption(caption::kLocality), this), 3, 0);
    placeGrid->addWidget(CityDBLbl, 3, 1, 1, 3);
    placeGrid->addWidget(new QLabel(p.Caption(caption::kPopulation), this), 4, 0);
    placeGrid->addWidget(PopulEd, 4, 1, 1, 3);
    placeGrid->addWidget(label(caption::kLatitude, LatEd), 5, 0);
    placeGrid->addWidget(LatEd, 5, 1);
    placeGrid->addWidget(NSBtn, 5, 2);
    placeGrid->addWidget(label(caption::kLongitude, LongEd), 6, 0);
    placeGrid->addWidget(LongEd, 6, 1);
    placeGrid->addWidget(EWBtn, 6, 2);
    placeGrid->addWidget(PlusBtn, 6, 3);
    placeGrid->addWidget(label(243, LongTEd), 7, 0);
    placeGrid->addWidget(LongTEd, 7, 1);

    auto* moment = new QGridLayout;
    moment->addWidget(label(caption::kDate, DateEd), 0, 0);
    moment->addWidget(DateEd, 0, 1);
    moment->addWidget(label(caption::kTime, TimeEd), 1, 0);
    moment->addWidget(TimeEd, 1, 1);
    moment->addWidget(NoTimeBtn, 1, 2);
    moment->addWidget(label(caption::kZone, AdjustEd), 2, 0);
    moment->addWidget(AdjustEd, 2, 1);
    moment->addWidget(ZoneUtcLbl, 2, 2);
    moment->addWidget(label(caption::kHouseSystem, Settings->HouseCB), 3, 0);
    moment->addWidget(Settings->HouseCB, 3, 1, 1, 2);
    moment->addWidget(label(caption::kZodiac, Settings->ZodiacCB), 4, 0);
    moment->addWidget(Settings->ZodiacCB, 4, 1, 1, 2);
    moment->addWidget(OptionsBtn, 5, 2);

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addLayout(names);
    left->addLayout(moment);
    left->addStretch();
    columns->addLayout(left);
    columns->addWidget(placeBox);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);

    // SetupWindow: the chart's data into the fields.
    Name1->setText(QString::fromStdString(c.Name));
    FirstName1->setText(QString::fromStdString(c.FirstName));
    Comment1->setText(QString::fromStdString(c.Comment));
    Ref1->setText(QString::fromStdString(c.Reference));
    (c.Sex ? MaleBtn : FemaleBtn)->setChecked(true);
    LookupCB->setChecked(true);
    CityEd->setText(QString::fromStdString(c.BirthPlace));
    ShowCoordinates(c.Latitude, c.Longitude);
    DateEd->Show(c.Year, c.Month, c.Day);
    TimeEd->Show(c.Hour, c.Minute);
    NoTimeBtn->setChecked(c.HouseType == kTimeUnknown);
    Settings->Show(c, p.Options().HouseType, p.Options().ZodiacChoice());
    SetTimeUnknown(c.HouseType == kTimeUnknown);
    AdjustEd->setText(c.Adjust != 0 ? Packed(c.Adjust, 6) : QString("auto"));
    connect(AdjustEd, &QLineEdit::textChanged, this, &TNewChartDlg::UpdateZoneLabel);
    if (!c.BirthPlace.empty()) {
        const auto found = p.Data().FindLocalities(c.BirthPlace, 1, c.Country);
        if (!found.empty() && found[0].name == c.BirthPlace) {
            place = found[0];
            CountryDBLbl->setText(QString::fromStdString(p.Data().GetCountryName(place->country, p.Languages().CurrentLanguage)));
            CityDBLbl->setText(QString::fromStdString(place->name));
            PopulEd->setText(QString::number(place->population));
        }
    }
    // A stored zone that is what the lookup gives for the chart's date and
    // place counts as looked up: it follows a change of either.
    if (c.Adjust != 0 && place && c.HouseType != kTimeUnknown) {
        tChart probe;
        probe.Assign(c);
        if (p.Data().FindAdjust(probe) && std::fabs(probe.Adjust - c.Adjust) < 1e-9) ShowZone(c.Adjust, true);
    }
    if (zoneBasis.isEmpty()) zoneBasis = ZoneBasis();
    UpdateZoneLabel();
    // A zone typed now is typed for what the fields hold now.
    connect(AdjustEd, &QLineEdit::textEdited, this, [this] {
        lookedUpZone.clear();
        zoneBasis = ZoneBasis();
    });

    // While typing, a match fills the place; no match waits for a pause
    // before the picker opens, so that the keys still to come stay here.
    PickerTimer = new QTimer(this);
    PickerTimer->setSingleShot(true);
    PickerTimer->setInterval(1200);
    connect(PickerTimer, &QTimer::timeout, this, &TNewChartDlg::PlaceTypingPaused);
    connect(CityEd, &QLineEdit::textEdited, this, [this](const QString& t) {
        PickerTimer->stop();
        if (LookupCB->isChecked() && !t.trimmed().isEmpty() && !FillFirstMatch(t)) PickerTimer->start();
    });
    connect(CityBtn, &QPushButton::clicked, this, [this] {
        TCityFileDlg picker(program, CityEd->text(), chart.Country, this);
        if (picker.exec() == QDialog::Accepted && picker.Current()) FillPlace(*picker.Current());
    });
    connect(EWBtn, &QPushButton::clicked, this, &TNewChartDlg::ShowPlus);
    connect(PlusBtn, &QPushButton::clicked, EWBtn, &QPushButton::click);
    connect(LongEd, &QLineEdit::editingFinished, this, &TNewChartDlg::ShowLongitudeAsTime);
    connect(LongTEd, &QLineEdit::editingFinished, this, &TNewChartDlg::ShowTimeAsLongitude);
    connect(NoTimeBtn, &QCheckBox::toggled, this, &TNewChartDlg::SetTimeUnknown);
    // Tab order: names and sex, the moment, the zone, houses and zodiac, then the place.
    QWidget* order[] = {Name1,     FirstName1, Comment1,         Ref1,
                        MaleBtn,   FemaleBtn,  DateEd,           TimeEd,
                        NoTimeBtn, AdjustEd,   Settings->HouseCB, Settings->ZodiacCB,
                        CityEd, CityBtn, LookupCB, LatEd, NSBtn, LongEd, EWBtn, PlusBtn, LongTEd, OkBtn};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    Name1->setFocus();
}

void TNewChartDlg::PlaceTypingPaused()
{
    PickerTimer->stop();
    LocatePlace(CityEd->text());
}

QString TNewChartDlg::ZoneBasis() const
{
    return DateEd->text().trimmed() + "|" + TimeEd->text().trimmed() + "|" + (NoTimeBtn->isChecked() ? "1" : "0") + "|" +
           (LookupCB->isChecked() && place ? QString::number(place->index) : LatEd->text() + LongEd->text()) + "|" +
           NSBtn->text() + EWBtn->text();
}

void TNewChartDlg::ShowZone(double adjust, bool lookedUp)
{
    AdjustEd->setText(Packed(adjust, 6));
    lookedUpZone = lookedUp ? AdjustEd->text() : QString();
    zoneBasis = ZoneBasis();
    UpdateZoneLabel();
}

void TNewChartDlg::UpdateZoneLabel()
{
    const QString text = AdjustEd->text().trimmed();
    const QString lookedUp = program.Caption(caption::kLookedUp);
    if (text.compare("auto", Qt::CaseInsensitive) == 0) return ZoneUtcLbl->setText("(" + lookedUp + ")");
    std::string error;
    const auto v = ParseZoneText(text.toStdString(), error);
    if (!v) return ZoneUtcLbl->setText(QString());
    QString label = QString::fromStdString(UtcText(*v));
    if (!lookedUpZone.isEmpty() && AdjustEd->text() == lookedUpZone) label += ", " + lookedUp;
    ZoneUtcLbl->setText(label);
}

bool TNewChartDlg::FillFirstMatch(const QString& text)
{
    const std::string typed = text.trimmed().toStdString();
    TData1& data = program.Data();
    std::vector<tLocality> found = data.FindLocalities(typed, 1, chart.Country);
    if (found.empty()) found = data.FindLocalities(typed, 1);
    if (found.empty()) return false;
    FillPlace(found[0]);
    return true;
}

void TNewChartDlg::LocatePlace(const QString& text)
{
    if (FillFirstMatch(text)) return;
    program.Messenger().Beep();
    TCityFileDlg picker(program, text, 0, this);
    if (picker.exec() == QDialog::Accepted && picker.Current()) FillPlace(*picker.Current());
}

void TNewChartDlg::FillPlace(const tLocality& l)
{
    place = l;
    if (CityEd->text() != QString::fromStdString(l.name) && !CityEd->hasFocus()) CityEd->setText(QString::fromStdString(l.name));
    CountryDBLbl->setText(QString::fromStdString(program.Data().GetCountryName(l.country, program.Languages().CurrentLanguage)));
    CityDBLbl->setText(QString::fromStdString(l.name));
    PopulEd->setText(QString::number(l.population));
    ShowCoordinates(l.latitude, l.longitude);
}

void TNewChartDlg::ShowCoordinates(double latitude, double longitude)
{
    ShowCoordinate(*LatEd, *NSBtn, latitude);
    ShowCoordinate(*LongEd, *EWBtn, longitude);
    ShowPlus();
    ShowLongitudeAsTime();
}

void TNewChartDlg::ShowLongitudeAsTime()
{
    std::string error;
    const auto v = ParseDegMin(LongEd->text().toStdString(), error);
    if (!v) return;
    const double t = LongitudeAsTime(std::fabs(*v));
    const int hours = static_cast<int>(t), minutes = static_cast<int>(std::lround((t - hours) * 100));
    LongTEd->setText(QString::number(hours).rightJustified(2, '0') + ":" + QString::number(minutes).rightJustified(2, '0'));
}

void TNewChartDlg::ShowTimeAsLongitude()
{
    int hour = 0, minute = 0;
    std::string error;
    if (!ParseTimeText(LongTEd->text().toStdString(), hour, minute, error)) return;
    LongEd->setText(Packed(TimeAsLongitude(hour, minute), 6));
}

void TNewChartDlg::SetTimeUnknown(bool unknown)
{
    if (unknown) TimeEd->Show(12, 0);
    TimeEd->setEnabled(!unknown);
    Settings->SetTimeUnknown(unknown);
}

void TNewChartDlg::ShowPlus() { PlusBtn->setText(EWBtn->Positive() ? "+" : "-"); }

bool TNewChartDlg::Bad(QLineEdit* field, int caption, const std::string& why)
{
    return FieldError(program, this, field, caption, QString::fromStdString(why));
}

void TNewChartDlg::accept()
{
    if (Done()) QDialog::accept();
}

bool TNewChartDlg::Done()
{
    if (PickerTimer->isActive()) {
        // A place typed that nothing matched: chosen first (OK or Enter).
        PlaceTypingPaused();
        return false;
    }
    // Everything is read and checked before the chart changes.
    const bool lookup = LookupCB->isChecked() && place;
    tChartEntryFields fields;
    fields.date = DateEd->text().toStdString();
    fields.time = TimeEd->text().toStdString();
    fields.timeUnknown = NoTimeBtn->isChecked();
    fields.latitude = LatEd->text().toStdString();
    fields.longitude = LongEd->text().toStdString();
    fields.north = NSBtn->Positive();
    fields.west = EWBtn->Positive();
    fields.placeLookedUp = lookup;
    fields.zone = AdjustEd->text().toStdString();
    tEntryFault fault;
    auto entry = ReadChartEntry(fields, program.Languages().DateFormatString, fault);
    if (!entry) {
        QLineEdit* const field[] = {DateEd, TimeEd, LatEd, LongEd, AdjustEd};
        return Bad(field[fault.field], fault.caption, fault.why);
    }
    if (!entry->autoZone) {
        const bool basisChanged = !zoneBasis.isEmpty() && ZoneBasis() != zoneBasis;
        if (basisChanged && !lookedUpZone.isEmpty() && AdjustEd->text() == lookedUpZone) {
            // Found for another date, time or place: found again.
            entry->autoZone = true;
        } else if (basisChanged) {
            const auto question = ZoneTypedElsewhereQuestion(fields.zone, entry->adjust);
            if (program.Messenger().Ask(this, tMessenger::kQuestion, windowTitle(), QString::fromStdString(question),
                                        tMessenger::kYesNo) == tMessenger::kAnswerNo)
                entry->autoZone = true;
            else
                zoneBasis = ZoneBasis();
        }
    }

    // A scratch chart takes the new data; the caller's chart only on success.
    tChart next;
    next.Assign(chart);
    next.Name = Name1->text().toStdString();
    next.FirstName = FirstName1->text().toStdString();
    next.Comment = Comment1->text().toStdString();
    next.Reference = Ref1->text().toStdString();
    next.Sex = MaleBtn->isChecked() ? 1 : 0;
    if (lookup) {
        next.BirthPlace = place->name;
        next.State = place->state;
        next.Country = place->country;
        next.Latitude = place->latitude;
        next.Longitude = place->longitude;
    } else {
        next.BirthPlace = CityEd->text().trimmed().toStdString();
    }
    ApplyChartEntry(*entry, lookup, next);
    Settings->Read(next, NoTimeBtn->isChecked());
    if (entry->autoZone) {
        const std::string doubt =
            LookUpEntryZone(program.Data(), program.Languages(), next, !NoTimeBtn->isChecked(), lookup);
        if (!doubt.empty()) {
            // The found value stays in the field: a second OK accepts it.
            program.Messenger().Tell(this, tMessenger::kWarning, windowTitle(), QString::fromStdString(doubt));
            ShowZone(next.Adjust, true);
            AdjustEd->setFocus();
            AdjustEd->selectAll();
            return false;
        }
    }
    chart.Assign(next);
    return true;
}

}  // namespace quintara
