#include "shell/widgets/af_rich_edit.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

namespace quintara {

namespace {

// Points to the document's pixels: the screen's logical resolution.
double PointsToPixels(const QWidget* w, double points) { return points * w->logicalDpiX() / 72.0; }

QTextCharFormat CharFormat(const tCharFormat& f, const QFont& base)
{
    QTextCharFormat c;
    QFont font = base;
    if (!f.Font.empty()) font.setFamily(QString::fromStdString(f.Font));
    if (f.Size > 0) font.setPointSize(f.Size);
    font.setBold(f.Bold);
    font.setItalic(f.Italic);
    font.setUnderline(f.Underline);
    c.setFont(font);
    return c;
}

}  // namespace

double tQtFontMetrics::TextWidth(const std::string& utf8) const
{
    const QFontMetricsF m(font);
    // QFontMetricsF measures in pixels of the screen's logical resolution.
    return m.horizontalAdvance(QString::fromStdString(utf8)) * 72.0 / m.fontDpi();
}

TAFRichEdit::TAFRichEdit(QWidget* parent) : QTextEdit(parent)
{
    setAcceptRichText(true);
    setTabChangesFocus(false);
    setLineWrapMode(QTextEdit::WidgetWidth);  // long interpretation lines wrap; tables fit
}

void TAFRichEdit::Append(const tReportText& text)
{
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    bool first = document()->isEmpty();
    for (const tParagraph& p : text.Paragraphs()) {
        QTextBlockFormat block;
        QList<QTextOption::Tab> tabs;
        for (double stop : p.TabStops) tabs.append(QTextOption::Tab(PointsToPixels(this, stop), QTextOption::LeftTab));
        block.setTabPositions(tabs);
        if (first) {
            c.setBlockFormat(block);
            first = false;
        } else {
            c.insertBlock(block);
        }
        for (const tRun& r : p.Runs) c.insertText(QString::fromStdString(r.Text), CharFormat(r.Format, font()));
    }
    c.endEditBlock();
}

void TAFRichEdit::CopyTo(tReportText& text) const
{
    text.Clear();
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        std::vector<tRun> runs;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QFont font = f.charFormat().font();
            tCharFormat cf;
            cf.Bold = font.bold();
            cf.Italic = font.italic();
            cf.Underline = font.underline();
            if (font.pointSize() != this->font().pointSize()) cf.Size = font.pointSize();
            if (font.family() != this->font().family()) cf.Font = font.family().toStdString();
            runs.push_back({f.text().toStdString(), cf});
        }
        text.AddRuns(std::move(runs));
        auto& stops = text.Paragraphs().back().TabStops;
        stops.clear();
        for (const QTextOption::Tab& t : b.blockFormat().tabPositions())
            stops.push_back(t.position * 72.0 / logicalDpiX());
    }
}

void TAFRichEdit::AddBold()
{
    QTextCharFormat f;
    f.setFontWeight(QFont::Bold);
    textCursor().mergeCharFormat(f);
}

void TAFRichEdit::AddItalic()
{
    QTextCharFormat f;
    f.setFontItalic(true);
    textCursor().mergeCharFormat(f);
}

void TAFRichEdit::AddUnderline()
{
    QTextCharFormat f;
    f.setFontUnderline(true);
    textCursor().mergeCharFormat(f);
}

void TAFRichEdit::ChangeSize(int delta)
{
    QTextCursor c = textCursor();
    if (!c.hasSelection()) return;
    // Each character keeps its own size, one larger or smaller.
    const int start = c.selectionStart(), end = c.selectionEnd();
    c.beginEditBlock();
    for (int i = start; i < end; ++i) {
        QTextCursor one(document());
        one.setPosition(i);
        one.setPosition(i + 1, QTextCursor::KeepAnchor);
        const double size = one.charFormat().font().pointSizeF();
        QTextCharFormat f;
        f.setFontPointSize(std::max(1.0, (size > 0 ? size : font().pointSizeF()) + delta));
        one.mergeCharFormat(f);
    }
    c.endEditBlock();
}

void TAFRichEdit::SetSelectionFont(const QFont& font)
{
    QTextCharFormat f;
    f.setFont(font);
    textCursor().mergeCharFormat(f);
}

bool TAFRichEdit::FindNext(const QString& what, bool wrapNearEnd)
{
    if (what.isEmpty()) return false;
    const QString all = toPlainText();
    int from = textCursor().position() + 1;
    if (wrapNearEnd && from > all.size() - 10) from = 0;
    const int at = all.indexOf(what, from);
    if (at < 0) return false;
    QTextCursor c(document());
    c.setPosition(at);
    c.setPosition(at + static_cast<int>(what.size()), QTextCursor::KeepAnchor);
    setTextCursor(c);
    return true;
}

int TAFRichEdit::ReplaceAll(const QString& what, const QString& with)
{
    if (what.isEmpty()) return 0;
    int count = 0;
    QTextCursor edit(document());
    edit.beginEditBlock();
    QTextCursor found = document()->find(what, 0, QTextDocument::FindCaseSensitively);
    while (!found.isNull()) {
        found.insertText(with);
        ++count;
        found = document()->find(what, found.position(), QTextDocument::FindCaseSensitively);
    }
    edit.endEditBlock();
    return count;
}

}  // namespace quintara
