#include "formregistry.h"

#include "form.h"

namespace ui {

FormRegistry& FormRegistry::instance()
{
    static FormRegistry registry;
    return registry;
}

void FormRegistry::add(const QString& name, Factory factory)
{
    factories_.insert(name, std::move(factory));
}

Form* FormRegistry::show(const QString& name)
{
    Form* form = find(name);
    if (!form) {
        auto it = factories_.constFind(name);
        if (it == factories_.constEnd())
            return nullptr;
        form = (*it)();
        loaded_.insert(name, form);
    }
    form->show();
    form->activateWindow();
    for (auto it = loaded_.cbegin(); it != loaded_.cend(); ++it)
        if (it.value() && it.value() != form)
            it.value()->hide();
    form->activate();
    return form;
}

void FormRegistry::hide(const QString& name)
{
    if (Form* form = find(name))
        form->hide();
}

void FormRegistry::unload(Form* form)
{
    if (!form)
        return;
    loaded_.remove(form->formName());
    closing_ = form;
    form->hide();
    closing_ = nullptr;
    form->deleteLater();
}

Form* FormRegistry::find(const QString& name) const
{
    auto it = loaded_.constFind(name);
    return it == loaded_.constEnd() ? nullptr : it.value().data();
}

void FormRegistry::closeAll()
{
    const auto forms = loaded_.values();
    for (const QPointer<Form>& form : forms)
        if (form)
            form->closeRequested();
}

void FormRegistry::unloadAll()
{
    const auto forms = loaded_;
    loaded_.clear();
    for (const auto& f : forms)
        delete f.data();
}

} // namespace ui
