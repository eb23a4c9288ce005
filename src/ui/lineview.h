#pragma once
// A read-only text of any number of lines with a vertical scroll bar. It keeps
// the lines and paints only those in sight, so a text of a million lines is
// shown and scrolled at once. Lines are added in batches (a file being read);
// the view keeps its place while they come in. Ctrl+C copies the whole text.

#include <QAbstractScrollArea>
#include <QStringList>

namespace ui {

class LineView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit LineView(QWidget* parent);

    void clear();
    // Adds lines at the end; each holds no line break.
    void appendLines(const QStringList& lines);

    qsizetype lineCount() const { return lines_.size(); }
    const QString& line(qsizetype index) const { return lines_.at(index); }
    // The whole text: every line followed by a line feed.
    QString contents() const;
    bool isReadOnly() const { return true; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void updateScrollBars();
    int lineHeight() const;

    QStringList lines_;
    qsizetype widest_ = 0; // characters of the longest line
};

} // namespace ui
