// The chart file editor: every chart of the chart file in a grid, the
// fields of the current one to correct, recompute or re-zone, filters by
// field and by planet, and the file as a whole: add another chart file to
// it, copy or export it, rename it, delete rows. Modeless; its order and
// filter of the chart table are its own and put back whenever it is used,
// whatever other windows did with the table meanwhile.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "core/data/chart_file.h"
#include "shell/widgets/row_browser.h"

class QCheckBox;
class QLabel;
class QMenuBar;

namespace quintara {

class TChartDBDlg : public TRowBrowser {
public:
    static constexpr int kHelpContext = 105;
    // rename gets the new name of the chart file, the dialog hidden: the
    // owner deletes the dialog (its table is the file's) before renaming.
    TChartDBDlg(tProgram& program, std::function<void(const std::string&)> rename, QWidget* parent = nullptr);
    ~TChartDBDlg() override;

    bool Find(const QString& text) override;
    // Cancel posts a pending edit too, as OK; a refused one keeps the dialog.
    void reject() override;

    // The commands of the buttons and menus.
    bool PostPending();
    void ChooseLocality();
    void Recalc();
    void Zone();
    void FilterByField();
    void FilterByPlanet();
    // The filter expression in use ("" for none); a bad one is said and
    // the filter stays as it was.
    bool SetChartFilter(const std::string& expression);
    const std::string& ChartFilter() const { return filter; }
    void AddChartFile();
    // Charts from an AAF, CSV or JSON Lines file; refused records are listed
    // and the user chooses between the good ones and nothing.
    void ImportCharts();
    // Database > Recast: the charts shown cast with the current settings.
    void RecastAll();
    void CopyAscii();
    void CopyDbase();
    void CopyChartFile();
    void CopyAaf();
    void CopyCsv();
    void CopyJsonLines();
    void RemoveAll();
    void Rename();
    void DeleteCurrent();
    void Zap();

    QMenuBar* Menus;

protected:
    bool event(QEvent* e) override;

private:
    // Puts back this editor's order and filter, keeping the current row.
    void ApplyView();
    void ShowRow() override;
    bool WriteRow() override;
    void Failed(const std::exception& e);
    void AfterRowsChanged();
    // The deleting question, OK/Cancel with Cancel the default; true for OK.
    bool ConfirmDeleting(const QString& question);
    // "Records: n" of the rows shown.
    QString RecordsShown() const;
    // A copy to a file chosen in the save dialog, written by write.
    void Export(int caption, const char* suggested, const char* filter,
                const std::function<void(TData1&, const std::string&, tReplace)>& write);
    QString Title() const;

    std::function<void(const std::string&)> rename;
    std::string filter;
    class QLineEdit *NameEd, *FirstEd, *CommentEd, *RefEd, *DateEd, *TimeEd, *AdjustEd, *SexEd;
    std::array<QCheckBox*, 12> retro{};
    std::vector<std::pair<std::string, QLineEdit*>> readOnly;  // field, its text
};

}  // namespace quintara
