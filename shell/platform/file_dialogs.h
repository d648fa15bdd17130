// The program's file dialogs. They never open the files they list: the
// type and icon of a file come from its name alone. Opening a table file
// outside the storage, even to read its first bytes, would release the
// storage's file locks (POSIX locks belong to the process).
#pragma once

#include <QString>

class QWidget;

namespace quintara {

// A file to open. With newSuffix, a name that does not exist is taken
// too (given that suffix when it has none): a file to be created. Empty
// when cancelled.
QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& start, const QString& filter,
                         const QString& newSuffix = {});

// A file to write: start is the suggested path; the chosen filter (one of
// filter's ";;"-separated entries) is returned in selectedFilter. Empty
// when cancelled. Without confirmOverwrite an existing name is taken
// without a question: for callers that refuse to replace it themselves.
QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& start, const QString& filter,
                         QString* selectedFilter = nullptr, bool confirmOverwrite = true);

}  // namespace quintara
