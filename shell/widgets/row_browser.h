// A table browser whose current row is edited in fields beside the grid:
// what is typed is pending until the grid moves on, a command runs or OK
// posts it; Cancel drops it. A refused post keeps the dialog and the text.
#pragma once

#include "shell/widgets/table_browser.h"

namespace quintara {

class TPendingRow;

class TRowBrowser : public TTableBrowser {
public:
    void accept() override;
    void reject() override;

    TPendingRow* Pending;

protected:
    TRowBrowser(tProgram& program, tTable& table, const char* objectName, int caption, std::vector<tGridColumn> columns,
                QWidget* parent);

    // Fill the fields from the current row; write them to it, false after
    // saying why not.
    virtual void ShowRow() = 0;
    virtual bool WriteRow() = 0;
    // Find on a field once what is pending is posted; the row found shown.
    bool FindIn(const std::string& field, const std::string& text);
};

}  // namespace quintara
