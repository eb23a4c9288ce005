#pragma once
// The controls of the program's forms: thin Qt widgets placed in twips.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

namespace ui {

// A caption on the form. Colours and font are set by the form. A CR (or CR
// LF) in the caption starts a new line; caption() gives it back as set.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& caption, int left, int top, int width, int height);
    void setCaption(const QString& caption);
    QString caption() const { return caption_; }
    void setColours(const QColor& text, const QColor& background);
    // What the caption is, for a screen reader ("Opgave", "Terugmelding").
    void setKind(const QString& kind) { setAccessibleDescription(kind); }

private:
    QString caption_;
};

// A one-line input box. Enter runs onEnter; other keys are left to the box.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    TextBox(QWidget* parent, int left, int top, int width, int height);
    std::function<void()> onEnter;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A read-only multi-line text with a vertical scroll bar.
class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent);
    // Lines separated by CR LF, CR or LF.
    void setContents(const QString& text);
    QString contents() const { return toPlainText(); }
};

// A command button: click or Enter runs onClick. A marked button shows the
// current choice.
class Button : public QPushButton {
    Q_OBJECT
public:
    Button(QWidget* parent, const QString& caption, int left, int top, int width, int height);
    std::function<void()> onClick;
    void setCaption(const QString& caption) { setText(caption); }
    QString caption() const { return text(); }
    void setMarked(bool marked);
    bool isMarked() const { return marked_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool marked_ = false;
};

// One of a group of choices. The form clears the group with setChecked(false).
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    OptionButton(QWidget* parent, const QString& caption, int left, int top, int width, int height);
    std::function<void()> onClick;
    // Unchecks without the group's exclusivity getting in the way.
    void clear();
};

} // namespace ui
