#pragma once
// One program-wide instance of every form: created on first use, shown with
// its activation, destroyed on unload so that the next opening starts afresh.

#include <QHash>
#include <QPointer>
#include <QString>
#include <functional>

namespace ui {

class Form;

class FormRegistry {
public:
    using Factory = std::function<Form*()>;

    static FormRegistry& instance();

    void add(const QString& name, Factory factory);
    bool has(const QString& name) const { return factories_.contains(name); }

    // Creates the form when it is not loaded, shows it, hides every other
    // form and runs its activation. Unknown names do nothing.
    Form* show(const QString& name);
    void hide(const QString& name);
    // Hides the form and destroys it once the current event is done.
    void unload(Form* form);
    // The loaded instance, or nullptr.
    Form* find(const QString& name) const;
    template <class T> T* get(const QString& name) const { return qobject_cast<T*>(find(name)); }
    // Asks every loaded form to close, as its window's close button does: a
    // form with a run ends it (program end).
    void closeAll();
    // Destroys every loaded form at once (program end, tests).
    void unloadAll();

    // True while the registry itself closes a form (no close request then).
    bool closing(const Form* form) const { return form == closing_; }

private:
    QHash<QString, Factory> factories_;
    QHash<QString, QPointer<Form>> loaded_;
    const Form* closing_ = nullptr;
};

} // namespace ui
