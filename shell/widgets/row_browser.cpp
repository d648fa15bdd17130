#include "shell/widgets/row_browser.h"

#include "shell/widgets/pending_row.h"

namespace quintara {

TRowBrowser::TRowBrowser(tProgram& p, tTable& t, const char* objectName, int caption, std::vector<tGridColumn> columns,
                         QWidget* parent)
    : TTableBrowser(p, t, objectName, caption, std::move(columns), parent)
{
    setModal(false);
    Pending = new TPendingRow(
        *grid, table, [this] { ShowRow(); }, [this] { return WriteRow(); });
}

void TRowBrowser::accept()
{
    if (Pending->Post()) QDialog::accept();
}

void TRowBrowser::reject()
{
    Pending->Discard();
    QDialog::reject();
}

bool TRowBrowser::FindIn(const std::string& field, const std::string& text)
{
    if (!Pending->Post()) return false;
    const bool found = Locate(field, text);
    Pending->Show();
    return found;
}

}  // namespace quintara
