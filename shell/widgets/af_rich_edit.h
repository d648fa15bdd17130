// The rich-text control of the report windows: a report text (core) shown
// with its tab stops and character attributes, lines appended at the end.
#pragma once

#include <QFont>
#include <QTextEdit>

#include "core/reports/report_text.h"

namespace quintara {

// Widths in the report font, in points, for the core's tab stops.
class tQtFontMetrics final : public tFontMetrics {
public:
    explicit tQtFontMetrics(const QFont& font) : font(font) {}
    double TextWidth(const std::string& utf8) const override;

private:
    QFont font;
};

class TAFRichEdit : public QTextEdit {
public:
    explicit TAFRichEdit(QWidget* parent = nullptr);

    // Appends the paragraphs of text at the end, each with its tab stops.
    void Append(const tReportText& text);
    // The paragraphs of the control as a report text (for RTF export and
    // saving), with their tab stops and attributes.
    void CopyTo(tReportText& text) const;

    // Format commands on the selection: they add a style, never remove it.
    void AddBold();
    void AddItalic();
    void AddUnderline();
    void ChangeSize(int delta);
    void SetSelectionFont(const QFont& font);

    // Find from after the caret to the end; selects the match. The replace
    // dialog's variant starts again from the top near the end.
    bool FindNext(const QString& what, bool wrapNearEnd);
    // Every occurrence, as one undo step; the count replaced.
    int ReplaceAll(const QString& what, const QString& with);
};

}  // namespace quintara
