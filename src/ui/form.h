#pragma once
// A top-level window of the program. The form registry shows it and calls
// activate() each time it becomes the program's form; closing the window asks
// closeRequested() first.

#include <QWidget>

namespace ui {

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(const QString& name);

    const QString& formName() const { return name_; }
    void setCaption(const QString& caption);
    QString caption() const { return windowTitle(); }
    void setSizeTw(int width, int height);
    void setWidthTw(int width);
    int widthTw() const;

    // Runs each time the registry shows this form.
    virtual void activate() {}
    // The window is being closed by the user; false keeps it open.
    virtual bool closeRequested() { return true; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString name_;
    int widthTw_ = 0;
};

} // namespace ui
