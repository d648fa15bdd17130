// The data of a new chart (or of a chart being modified): names, sex,
// place looked up while typing, coordinates, date, time and zone.
#pragma once

#include <optional>

#include <QDialog>

#include "core/chart/chart.h"
#include "core/data/data_module.h"
#include "shell/widgets/coordinate_field.h"
#include "shell/widgets/moment_fields.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quintara {

class tProgram;
class THouseZodiacFields;

class TNewChartDlg : public QDialog {
public:
    // OK writes into chart; Cancel leaves it as it was.
    TNewChartDlg(tProgram& program, tChart& chart, QWidget* parent = nullptr);

    static constexpr int kHelpContext = 101;

    // The place typed so far: the first locality starting with it in the
    // chart's country, else anywhere, else a beep and the locality dialog.
    void LocatePlace(const QString& text);
    void FillPlace(const tLocality& place);
    void ShowLongitudeAsTime();
    void ShowTimeAsLongitude();
    void SetTimeUnknown(bool unknown);
    void accept() override;

    QLineEdit *Name1, *FirstName1, *Comment1, *Ref1, *CityEd, *LatEd, *LongEd, *LongTEd, *AdjustEd;
    TDateField* DateEd;
    TTimeField* TimeEd;
    QRadioButton *MaleBtn, *FemaleBtn;
    QCheckBox *LookupCB, *NoTimeBtn;
    QPushButton *CityBtn, *PlusBtn, *OptionsBtn, *OkBtn;
    THemisphereButton *NSBtn, *EWBtn;
    QLabel *CountryDBLbl, *CityDBLbl, *PopulEd;
    QLabel* ZoneUtcLbl;
    THouseZodiacFields* Settings;  // the chart's house system and zodiac  // the zone as clocks name it, and whether it was looked up
    // Runs once the user stops typing a place nothing matches: then the
    // picker opens (at once on OK or Enter).
    class QTimer* PickerTimer;
    // What the timer runs: the picker on the text typed.
    void PlaceTypingPaused();

private:
    bool Done();
    // The best locality starting with the text (in the chart's country
    // first) into the fields; false when there is none.
    bool FillFirstMatch(const QString& text);
    // What the zone in the field was found or typed for: a change of any
    // of them makes a looked-up zone stale.
    QString ZoneBasis() const;
    // The zone into its field, marked as looked up or not.
    void ShowZone(double adjust, bool lookedUp);
    void UpdateZoneLabel();
    // Packed d.mm, north and west positive, into the fields and buttons.
    void ShowCoordinates(double latitude, double longitude);
    // The sign of the longitude-as-time field follows the E/W button.
    void ShowPlus();
    // A field that does not parse: the message names it, focus goes there.
    bool Bad(QLineEdit* field, int caption, const std::string& why);

    tProgram& program;
    tChart& chart;
    std::optional<tLocality> place;  // the located row
    // The field's text as the lookup put it there (empty: typed or auto),
    // and the date, time and place it was found for.
    QString lookedUpZone, zoneBasis;
};

}  // namespace quintara
