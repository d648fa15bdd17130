#include "shell/platform/file_dialogs.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileDialog>
#include <QMimeDatabase>
#include <QMimeType>
#include <QStyle>

namespace quintara {

namespace {

// Icons made once in the GUI thread: the dialog's model asks from a thread
// of its own.
class tNameOnlyIcons final : public QAbstractFileIconProvider {
public:
    tNameOnlyIcons()
        : file(QApplication::style()->standardIcon(QStyle::SP_FileIcon)),
          folder(QApplication::style()->standardIcon(QStyle::SP_DirIcon)),
          drive(QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon))
    {
    }
    QIcon icon(IconType type) const override
    {
        switch (type) {
        case Folder: return folder;
        case Drive: return drive;
        default: return file;
        }
    }
    QIcon icon(const QFileInfo& info) const override { return info.isDir() ? folder : file; }
    QString type(const QFileInfo& info) const override
    {
        if (info.isDir()) return QAbstractFileIconProvider::type(info);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
        if (!type.isDefault() || info.suffix().isEmpty()) return type.comment();
        return info.suffix().toUpper() + " file";
    }

private:
    QIcon file, folder, drive;
};

void Prepare(QFileDialog& dialog, tNameOnlyIcons& icons)
{
    // The platform's own dialog would read the files to learn their types.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
}

}  // namespace

QString ChooseFileToOpen(QWidget* parent, const QString& title, const QString& start, const QString& filter,
                         const QString& newSuffix)
{
    tNameOnlyIcons icons;
    QFileDialog dialog(parent, title, start, filter);
    Prepare(dialog, icons);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(newSuffix.isEmpty() ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!newSuffix.isEmpty()) {
        dialog.setDefaultSuffix(newSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QString ChooseFileToSave(QWidget* parent, const QString& title, const QString& start, const QString& filter,
                         QString* selectedFilter, bool confirmOverwrite)
{
    tNameOnlyIcons icons;
    QFileDialog dialog(parent, title, start, filter);
    Prepare(dialog, icons);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    if (selectedFilter) *selectedFilter = dialog.selectedNameFilter();
    return dialog.selectedFiles().front();
}

}  // namespace quintara
