// "Analysis files": which interpretation file each kind of report reads.
#pragma once

#include <string>

#include <QDialog>

class QListWidget;

namespace quintara {

class tProgram;

class TAnaFileDlg : public QDialog {
public:
    TAnaFileDlg(tProgram& program, QWidget* parent = nullptr);
    static constexpr int kHelpContext = 107;

    // Kind k's file becomes the chosen file's name (its folder must be the
    // program home, where the files are looked for); false with a message
    // otherwise.
    bool Choose(int kind, const QString& path);

    QListWidget* ModuleLB;

private:
    void Refresh();
    std::string JoinHome(int kind) const;
    tProgram& program;
};

}  // namespace quintara
