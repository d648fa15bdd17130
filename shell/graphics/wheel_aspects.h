// The information window of a wheel: its aspects, one per line, and an
// "Info+" button for the interpretation of the whole chart.
#pragma once

#include <functional>
#include <string>

#include <QDialog>

class QPushButton;
class QTreeWidget;

namespace quintara {

class tProgram;

class TWheelAspects : public QDialog {
public:
    // text: lines (CR LF between them) of body, aspect, body and orb
    // separated by tabs; infoPlus: the wheel's extended information.
    TWheelAspects(tProgram& program, QWidget* owner, QPoint screen, const std::string& text,
                  std::function<void()> infoPlus);
    QTreeWidget* AspectsLB;
    QPushButton *OkBtn, *InfoBtn;
};

}  // namespace quintara
